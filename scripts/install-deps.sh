#!/usr/bin/env bash
# Installs the Debian 12 packages that VXL-R381 needs:
#   scripts/install-deps.sh run       building and running the programs
#   scripts/install-deps.sh package   ... and building the .deb (scripts/package.sh)
#   scripts/install-deps.sh test      ... and building and running every test
set -euo pipefail
what="${1:-run}"

# Building and running: compiler, CMake, Qt (with the X11 platform plugin),
# Qt's translation tools (lupdate, lrelease) and Qt's own translations, a
# font, and scdoc for the manual pages.
run=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools
     qt6-translations-l10n fonts-liberation scdoc)
# Packaging: library dependencies (dpkg-shlibdeps) and the package checks.
package=(dpkg-dev file lintian appstream)
# Testing: GoogleTest, a virtual display, the fuzzer's compiler, PDF readers,
# and the desktop-file, AppStream, MIME, XML and manual page checkers.
test=(libgtest-dev libgmock-dev xauth xvfb clang-14 libclang-rt-14-dev poppler-utils
      desktop-file-utils appstream shared-mime-info libxml2-utils man-db)

case "$what" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
