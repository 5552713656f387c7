#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers
# Builds the Debian package for the release this machine runs, as
# build-deb/ticklot_<version>-<revision>_<arch>.deb, and checks it with lintian,
# desktop-file-validate and appstreamcli. Exits non-zero on any error or warning, and on any
# AppStream hint short of a pedantic one.
# DEB_BUILD_OPTIONS=nocheck is the default: scripts/test.sh runs every test, sanitized, on this
# release already. Set TICKLOT_PACKAGE_TESTS=1 to build the tests and run the unit and widget
# tests inside the package build. The build's log stays beside the package, as its .build file.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${TICKLOT_PACKAGE_TESTS:-0}" != 1 ]; then
    export DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" DEB_BUILD_PROFILES=nocheck
fi
bash scripts/setup.sh --package

version=$(sed -n 's/^project(Ticklot VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package_version=$(dpkg-parsechangelog -SVersion)
if [ "${package_version%-*}" != "$version" ]; then
    echo "debian/changelog is at $package_version, the CMake project at $version" >&2
    exit 1
fi
if ! grep -q "<release version=\"$version\"" desktop/io.github.ticklot.Ticklot.metainfo.xml; then
    echo "desktop/io.github.ticklot.Ticklot.metainfo.xml lists no release $version" >&2
    exit 1
fi
deb=ticklot_${package_version}_$(dpkg --print-architecture).deb

# dpkg-buildpackage writes beside the source tree and builds inside it: both happen in a copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ticklot"
tar -c --exclude='./build*' --exclude=./.git --exclude=./.cache . | tar -x -C "$work/ticklot"
mkdir -p build-deb
log=build-deb/${deb%.deb}.build
echo "== dpkg-buildpackage"
if ! (cd "$work/ticklot" && dpkg-buildpackage -b -us -uc -J"$(nproc)") >"$log" 2>&1; then
    tail -n 80 "$log" >&2
    echo "The whole log: $log" >&2
    exit 1
fi
mv "$work/$deb" build-deb/

echo "== lintian"
lintian --display-info --fail-on error,warning "build-deb/$deb"
dpkg-deb -x "build-deb/$deb" "$work/root"
echo "== desktop-file-validate"
desktop-file-validate "$work/root/usr/share/applications/io.github.ticklot.Ticklot.desktop"
echo "== appstreamcli validate"
# Ticklot has no web site yet, so its metadata names no homepage; every other finding counts.
appstream_options=(--no-net --strict --override=url-homepage-missing=pedantic)
# AppStream before 1.0 (Debian 12) does not know <developer>, which replaced <developer_name>.
dpkg --compare-versions "$(dpkg-query -W -f '${Version}' appstream)" ge 1.0 ||
    appstream_options+=(--override=unknown-tag=pedantic)
appstreamcli validate "${appstream_options[@]}" \
    "$work/root/usr/share/metainfo/io.github.ticklot.Ticklot.metainfo.xml"
echo "Built build-deb/$deb ($(du -k "build-deb/$deb" | cut -f1) KiB)"
