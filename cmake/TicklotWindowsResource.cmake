# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

# Gives a Windows executable the program's version record and clock icon (app/ticklot.rc.in).
function(ticklot_windows_resource target)
    set(TICKLOT_ICO ${PROJECT_SOURCE_DIR}/icons/clock.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/app/ticklot.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
