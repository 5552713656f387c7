# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

# Helpers that register test executables with CTest.
if(TICKLOT_BUILD_TESTS)
    enable_testing()
    if(CMAKE_CROSSCOMPILING)
        # No GoogleTest package exists for the target system: Debian's GoogleTest sources are
        # built with the same toolchain.
        set(TICKLOT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
            "GoogleTest sources for cross builds")
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(${TICKLOT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest
            EXCLUDE_FROM_ALL)
        # It brings its GTest:: targets; its own warnings are not this project's to fix.
        foreach(library gtest gtest_main gmock gmock_main)
            target_compile_options(${library} PRIVATE -Wno-error)
        endforeach()
        # Listing the tests runs the executables through the emulator (Wine), so it waits for
        # CTest, whose caller provides the Wine prefix.
        set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
    else()
        find_package(GTest REQUIRED)
    endif()
    include(GoogleTest)
endif()

# Tests never reach beyond this machine: Chromium sends every request for another host to a
# proxy where nothing listens (loopback addresses always bypass proxies), and skips its
# background connections. Qt splits these flags at spaces, so no flag may contain one.
set(TICKLOT_TEST_CHROMIUM_FLAGS
    "--disable-gpu --disable-background-networking --disable-component-update --proxy-server=127.0.0.1:1")

set(TICKLOT_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${TICKLOT_TEST_RUNTIME_DIR})
file(CHMOD ${TICKLOT_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# A GoogleTest executable for plain C++ code, each of its tests registered with CTest, with
# the test PROPERTIES given.
function(ticklot_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    ticklot_gtest_executable(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
endfunction()

# The executable alone, for tests that CTest has to start in a prepared environment.
function(ticklot_gtest_executable name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
endfunction()

# Font sets for widget tests, the two a Debian desktop has: DejaVu alone (a fresh install) and
# DejaVu with Liberation (metric-compatible with the faces the windows were designed in). Each is
# a fontconfig configuration that offers only its font folders, with the system's alias and
# preference rules, leaving out those that load further configurations or folders. Liberation 2
# has its own folder on Debian 12 and the plain Liberation folder on Debian 13.
set(TICKLOT_FONT_SET_dejavu /usr/share/fonts/truetype/dejavu)
set(TICKLOT_FONT_SET_dejavu_liberation ${TICKLOT_FONT_SET_dejavu}
    /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation)
file(GLOB TICKLOT_FONTCONFIG_RULES /etc/fonts/conf.d/*.conf)
foreach(set dejavu dejavu_liberation)
    set(config "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n")
    foreach(folder ${TICKLOT_FONT_SET_${set}})
        string(APPEND config "  <dir>${folder}</dir>\n")
    endforeach()
    string(APPEND config "  <cachedir>${CMAKE_BINARY_DIR}/fonts/cache</cachedir>\n")
    foreach(rules ${TICKLOT_FONTCONFIG_RULES})
        file(READ ${rules} content)
        if(NOT content MATCHES "<include|<dir")
            string(APPEND config "  <include>${rules}</include>\n")
        endif()
    endforeach()
    string(APPEND config "</fontconfig>\n")
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/fonts/${set}.conf CONTENT "${config}")
endforeach()

# A QtTest executable run on the offscreen platform, so it needs no display, with the fonts of
# DejaVu and Liberation; with FONT_SETS, one test for each font set named, the set's name in
# TICKLOT_TEST_FONTS.
function(ticklot_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;FONT_SETS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    if(NOT ARG_FONT_SETS)
        ticklot_qtest_run(${name} ${name} dejavu_liberation)
    endif()
    foreach(set ${ARG_FONT_SETS})
        ticklot_qtest_run(${name}_${set} ${name} ${set})
    endforeach()
endfunction()

function(ticklot_qtest_run test executable font_set)
    add_test(NAME ${test} COMMAND ${executable})
    # Qt and its plugins keep caches for the life of the process; LeakSanitizer reports
    # them as leaks, so leak detection is left to the plain C++ tests. Chromium, inside Qt
    # WebEngine's own library, frees some objects with a size other than they were made with;
    # that check would stop every test that shows a web page. The program's settings are read
    # from a folder of the build, never the user's, and no sound server is reached.
    set_tests_properties(${test} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${TICKLOT_TEST_RUNTIME_DIR};XDG_CONFIG_HOME=${TICKLOT_TEST_RUNTIME_DIR}/config;PULSE_SERVER=unix:${TICKLOT_TEST_RUNTIME_DIR}/no-sound-server;ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0;QTWEBENGINE_CHROMIUM_FLAGS=${TICKLOT_TEST_CHROMIUM_FLAGS};FONTCONFIG_FILE=${CMAKE_BINARY_DIR}/fonts/${font_set}.conf;TICKLOT_TEST_FONTS=${font_set}"
        TIMEOUT 120)
endfunction()

# A libFuzzer target of SOURCES in the fuzz build (TICKLOT_FUZZ, clang only; see scripts/fuzz.sh),
# and in every test build <name>_replay, a test that replays the seed corpus beside it (corpus/)
# with the same checks, so the target keeps compiling and its checks run.
function(ticklot_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
    if(TICKLOT_FUZZ)
        add_executable(${name} ${ARG_SOURCES})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    elseif(TICKLOT_BUILD_TESTS)
        set(name ${name}_replay)
        add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/countdown/fuzz/ReplayMain.cpp)
        add_test(NAME ${name} COMMAND ${name} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
    else()
        return()
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${ARG_INCLUDES})
endfunction()
