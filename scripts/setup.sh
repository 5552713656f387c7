#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Installs what building Ticklot needs on Debian 12 or 13 through apt-get, and with --test
# what testing needs, with --fuzz what fuzzing needs, with --package what building, checking
# and test-installing its Debian package needs (debian/control's build dependencies included).
# Only packages that are missing are installed.
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config librsvg2-bin
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev qt6-svg-dev libpulse-dev
)
# Debian 13 moved Qt's SVG icon engine and image plugin out of libqt6svg6; without them every
# button picture is blank.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ "$release" = bookworm ] || build_packages+=(qt6-svg-plugins)
test_packages=(
    xvfb xauth xdotool x11-utils faketime dbus python3 python3-pyatspi at-spi2-core openssl procps
    g++-mingw-w64-x86-64-posix googletest wine wine64
    fonts-dejavu-core fonts-liberation2 pulseaudio pulseaudio-utils
)
fuzz_packages=(clang-14 libclang-rt-14-dev)
package_packages=(
    build-essential debhelper dpkg-dev lintian desktop-file-utils appstream
    mmdebstrap gpg xvfb xauth x11-apps x11-utils xdotool dbus python3 python3-pyatspi at-spi2-core
)

mode=${1:-}
wanted=("${build_packages[@]}")
[ "$mode" = --test ] && wanted+=("${test_packages[@]}")
[ "$mode" = --fuzz ] && wanted+=("${fuzz_packages[@]}")
[ "$mode" = --package ] && wanted+=("${package_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
# With --package also debian/control's build dependencies for the build profiles in
# DEB_BUILD_PROFILES; nocheck leaves out what only the tests in the package build need.
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_deps_missing() {
    [ "$mode" = --package ] && ! dpkg-checkbuilddeps "$source_dir/debian/control" >/dev/null 2>&1
}
[ ${#missing[@]} -eq 0 ] && ! build_deps_missing && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if build_deps_missing; then
    echo "Installing the build dependencies in debian/control"
    profiles=${DEB_BUILD_PROFILES:-}
    "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends \
        ${profiles:+-P "${profiles// /,}"} "$source_dir"
fi
