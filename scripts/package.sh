#!/usr/bin/env bash
# Builds the Debian package vxl-r381_<version>-1_<arch>.deb into
# build-package/ (a release build of the programs only) and checks it: its
# AppStream metadata with appstreamcli validate (links included) and the
# package with lintian; either complaining fails the script. Prints the
# package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
build=build-package

# Debian's compiler and linker flags, with every hardening feature. CMake
# reads them when it first configures the build folder, so start afresh.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
rm -rf "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DVXL_BUILD_TESTS=OFF -DVXL_BUILD_BENCH=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)

deb="$build/vxl-r381_$(sed -n 's/^project(VXL-R381 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-1_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "package: $deb was not built" >&2; exit 1; }
check="$(mktemp -d)"
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
appstreamcli validate --pedantic "$check"/usr/share/metainfo/*.metainfo.xml
# Errors and warnings fail; informational tags are shown only.
lintian --fail-on error,warning "$deb"
echo "$deb"
