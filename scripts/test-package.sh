#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Proves the Debian package on clean Debian 12 and 13 systems made with mmdebstrap:
#  1. builds the package for this machine's release (scripts/package.sh);
#  2. installs it in a minimal Debian 12 root with apt, runs it there under Xvfb and checks from
#     outside that it shows the Pacific clock, a page and its toolbar pictures; purges it and
#     checks that nothing of it is left;
#  3. builds the package in a clean Debian 13 root with scripts/package.sh, which installs what it
#     needs there, runs the unit and widget tests in the build and checks the package with
#     Debian 13's lintian, desktop-file-validate and appstreamcli;
#  4. installs and checks that package like step 2 in a second clean Debian 13 root.
# Run as root on Debian 12. Exits non-zero on any failure; prints each phase's time and the
# installed footprint. The roots live in temporary folders that go away at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
self=$here/scripts/test-package.sh
in_root=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
    DEBIAN_FRONTEND=noninteractive)

# Runs a command with its output in a log, shown only when it fails.
quietly() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { tail -n 60 "$log" >&2; echo "FAILED: $*" >&2; return 1; }
}

# The root's files and folders, its mounts left out, one path a line.
list_files() {
    (cd "$1" && find . -xdev | LC_ALL=C sort)
}

# The root's installed packages, one name a line.
list_packages() {
    chroot "$1" dpkg-query -W -f '${Package}\n' | LC_ALL=C sort
}

# Starts the installed program under a private X server and D-Bus session on this machine and
# checks it from here. The root sees the shared folder (runtime folder, bus sockets, X
# authority) at the same path; the X server's socket is an abstract one, which a chroot reaches.
run_installed() {
    local root=$1 shared=$2
    mkdir -p "$root$shared"
    mount --bind "$shared" "$root$shared"
    mkdir -m 700 "$shared/runtime"
    cat >"$shared/bus.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$shared</listen>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
  </policy>
</busconfig>
EOF
    # No test reaches beyond this machine: Chromium sends every request to a proxy where
    # nothing listens.
    cat >"$shared/ticklot" <<EOF
#!/bin/sh
exec chroot "$root" ${in_root[*]} DISPLAY="\$DISPLAY" XAUTHORITY="\$XAUTHORITY" \\
    DBUS_SESSION_BUS_ADDRESS="\$DBUS_SESSION_BUS_ADDRESS" XDG_RUNTIME_DIR="\$XDG_RUNTIME_DIR" \\
    TZ="\$TZ" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \\
    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --proxy-server=127.0.0.1:1" \\
    /usr/bin/ticklot
EOF
    chmod +x "$shared/ticklot"
    XDG_RUNTIME_DIR=$shared/runtime PYTHONPATH=$here/tests/e2e PYTHONDONTWRITEBYTECODE=1 \
        quietly "$shared/run.log" xvfb-run -a -f "$shared/Xauthority" \
        -s "-screen 0 1280x1024x24 -nolisten tcp" \
        dbus-run-session --config-file="$shared/bus.conf" -- \
        /usr/bin/python3 "$here/tests/e2e/installed_test.py" "$shared/ticklot" \
        "$root/usr/share/applications/io.github.ticklot.Ticklot.desktop"
    umount "$root$shared"
    rmdir "$root$shared"
    echo "Runs: Pacific clock, browser page, six toolbar pictures, window class"
}

# mmdebstrap hook: installs the package with apt, runs it, purges it and compares the files.
install_check_purge() {
    root=$1 work=$(mktemp -d)
    local deb=$2 used_before kept left
    trap 'umount "$root$work/shared" 2>/dev/null || true; rm -rf "$work"' EXIT
    list_files "$root" >"$work/before"
    list_packages "$root" >"$work/packages-before"
    used_before=$(du -sxk "$root" | cut -f1)
    cp "$deb" "$root/tmp/"
    quietly "$work/install.log" chroot "$root" "${in_root[@]}" \
        apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")"
    rm "$root/tmp/$(basename "$deb")"
    chroot "$root" apt-get clean
    echo "Footprint: Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB;" \
        "$(grep -E 'newly installed' "$work/install.log")" \
        "$(grep -E '^After this operation' "$work/install.log")" \
        "du of the root $((used_before / 1024)) -> $(($(du -sxk "$root" | cut -f1) / 1024)) MiB"

    mkdir "$work/shared"
    run_installed "$root" "$work/shared"

    quietly "$work/purge.log" chroot "$root" "${in_root[@]}" apt-get purge -y --autoremove ticklot
    list_files "$root" >"$work/after"
    list_packages "$root" >"$work/packages-after"
    kept=$(LC_ALL=C comm -13 "$work/packages-before" "$work/packages-after" | paste -sd' ')
    # Files of packages still installed are theirs: apt keeps a dependency that a package of
    # the base system recommends or suggests. What else may differ: the package manager's
    # records and caches; in the home folder the user's browser profile and cache and Mesa's
    # shader cache; the empty folder that Qt WebEngine, run as root, makes for its locales (a
    # file in it would show).
    sed 's|^|.|' "$root"/var/lib/dpkg/info/*.list | LC_ALL=C sort -u >"$work/owned"
    left=$(LC_ALL=C comm -13 "$work/before" "$work/after" | LC_ALL=C comm -23 - "$work/owned" |
        grep -vE \
        -e '^\./(var/lib/(dpkg|apt)|var/log|var/cache/(apt|debconf|ldconfig)|tmp)(/|$)' \
        -e '^\./etc/ld\.so\.cache$' -e '^\./root/\.(local|local/share|cache)$' \
        -e '^\./root/\.local/share/Ticklot(/|$)' \
        -e '^\./root/\.cache/(Ticklot|mesa_shader_cache|mesa_shader_cache_db)(/|$)' \
        -e '^\./usr/(lib|share)/qt6(/(libexec|resources)(/locales)?)?$' || true)
    if [ -n "$left" ]; then
        printf 'Left after purge:\n%s\n' "$left" >&2
        return 1
    fi
    echo "Purged: nothing left${kept:+ (apt keeps: $kept)}"
}

# The output of each test that failed in a verbose ctest log, where every line of test N
# starts with "N: ".
failed_test_output() {
    local number
    for number in $(sed -nE 's/^\s+([0-9]+) - .* \([A-Za-z ]+\)$/\1/p' "$1"); do
        echo "== Output of test $number (its last lines)"
        grep -E "^$number: " "$1" | tail -n 40
    done
}

# mmdebstrap hook: builds and checks the package from the given source tree in the root the way
# the README tells a user to, with scripts/package.sh, and the unit and widget tests run in the
# build, so that the root's release judges it with its own lintian, desktop-file-validate and
# appstreamcli; shows their verdicts and copies the package to out.
build_in_root() {
    local root=$1 source=$2 out=$3
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    mkdir -p "$root/build/ticklot"
    tar -C "$source" -c --exclude='./build*' --exclude=./.git --exclude=./.cache . |
        tar -x -C "$root/build/ticklot"
    quietly "$log" chroot "$root" "${in_root[@]}" TICKLOT_PACKAGE_TESTS=1 \
        bash /build/ticklot/scripts/package.sh ||
        { failed_test_output "$root"/build/ticklot/build-deb/*.build >&2; return 1; }
    grep -E 'tests passed|Total Test time' "$root"/build/ticklot/build-deb/*.build || true
    sed -n '/^== lintian$/,$p' "$log"
    cp "$root"/build/ticklot/build-deb/ticklot_*.deb "$out/"
}

case "${1:-}" in
    --install-check-purge) install_check_purge "$2" "$3"; exit ;;
    --build-in-root) build_in_root "$2" "$3" "$4"; exit ;;
esac

cd "$here"
[ "$(. /etc/os-release && echo "$VERSION_CODENAME")" = bookworm ] ||
    { echo "test-package.sh runs on Debian 12" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
times=()
phase() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    times+=("$(printf '%-48s %4d s' "$name" $((SECONDS - start)))")
}
root() {
    local suite=$1
    shift
    mmdebstrap --quiet --variant=apt --format=null "$@" "$suite" /dev/null
}

phase "Debian 12: build the package" bash scripts/package.sh
deb=$here/build-deb/ticklot_$(dpkg-parsechangelog -SVersion)_$(dpkg --print-architecture).deb
phase "Debian 12: install, run, purge in a clean root" root bookworm \
    --customize-hook="bash \"$self\" --install-check-purge \"\$1\" \"$deb\""
mkdir "$work/trixie"
phase "Debian 13: build, test and check in a clean root" root trixie \
    --customize-hook="bash \"$self\" --build-in-root \"\$1\" \"$here\" \"$work/trixie\""
trixie_deb=$(ls "$work"/trixie/ticklot_*.deb)
phase "Debian 13: install, run, purge in a clean root" root trixie \
    --customize-hook="bash \"$self\" --install-check-purge \"\$1\" \"$trixie_deb\""

echo "== Times"
printf '%s\n' "${times[@]}"
for package in "Debian 12:$deb" "Debian 13:$trixie_deb"; do
    file=${package#*:}
    echo "${package%%:*} $(basename "$file"): $(du -k "$file" | cut -f1) KiB," \
        "depends on $(dpkg-deb -f "$file" Depends)"
done
