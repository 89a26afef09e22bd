#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it with
# dpkg-deb -x and runs the unpacked command-line tool: --version, and list
# (as text and as PDF) on the demo memory file. Then lintian: no errors.
#   deb_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "FAIL: $*"; fail=1; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
arch="$(dpkg --print-architecture)"
deb="$work/out/vxl-r381_1.10-1_${arch}.deb"
[ -f "$deb" ] || { ls -l "$work/out"; echo "FAIL: no $(basename "$deb")"; exit 1; }

# Control fields.
control="$(dpkg-deb -f "$deb")"
for field in "Package: vxl-r381" "Version: 1.10-1" "Architecture: $arch" "Section: hamradio" \
             "Maintainer: VXL-R381 developers <dev@vxl-r381.invalid>"; do
  grep -qxF "$field" <<<"$control" || problem "control lacks '$field'"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins fonts-liberation; do
  grep -q "\b$lib\b" <<<"$depends" || problem "Depends lacks $lib: $depends"
done
grep -q "^Description: memory editor for the QV-R381 transceiver" <<<"$control" || problem "description"

# Unpacked, the programs run from the package tree.
dpkg-deb -x "$deb" "$work/root"
cli="$work/root/usr/bin/vxl-r381-cli"
[ -x "$work/root/usr/bin/vxl-r381" ] || problem "no editor in the package"
[ -x "$work/root/usr/bin/qv-r381-sim" ] || problem "no simulator in the package"
[ "$("$cli" --version)" = "vxl-r381-cli 1.10" ] || problem "unpacked vxl-r381-cli --version"
export XDG_CONFIG_HOME="$work/config"
listing="$("$cli" list "$source/tools/demo/demo-radio.381")" || problem "unpacked vxl-r381-cli list failed"
grep -qx "\[Memory Channel\]" <<<"$listing" || problem "list: no memory section"
grep -q "^001 145.500MHz" <<<"$listing" || problem "list: no channel 001: $(head -5 <<<"$listing")"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; "$cli" list --pdf "$work/demo.pdf" "$source/tools/demo/demo-radio.381") \
  || problem "unpacked vxl-r381-cli list --pdf failed"
head -c 5 "$work/demo.pdf" | grep -q "%PDF-" || problem "list --pdf wrote no PDF"

# lintian: errors fail the test; warnings are shown.
lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q "^E: " "$work/lintian.log"; then problem "lintian reports errors"; fi

[ "$fail" -eq 0 ] && echo "deb: $(basename "$deb") built, unpacked and run"
exit "$fail"
