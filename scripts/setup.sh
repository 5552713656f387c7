#!/usr/bin/env bash
# Installs what building (and, with --test, testing; with --fuzz, fuzzing) Ticklot needs on
# Debian 12, through apt-get; only packages that are missing are installed.
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev qt6-svg-dev
)
test_packages=(
    xvfb xauth xdotool x11-utils faketime dbus python3 python3-pyatspi at-spi2-core openssl procps
    g++-mingw-w64-x86-64-posix googletest wine wine64
    fonts-dejavu-core fonts-liberation2
)
fuzz_packages=(clang-14 libclang-rt-14-dev)

wanted=("${build_packages[@]}")
[ "${1:-}" = "--test" ] && wanted+=("${test_packages[@]}")
[ "${1:-}" = "--fuzz" ] && wanted+=("${fuzz_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
