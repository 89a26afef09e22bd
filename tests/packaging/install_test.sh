#!/usr/bin/env bash
# Installs the build tree into a staging directory (DESTDIR) and checks
# every installed file: the programs, the desktop entry (desktop-file-validate),
# the file type, the icons, the AppStream metadata (appstreamcli validate,
# links included), the manual pages (rendered with man -l, no warnings) and
# the bash completion.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
for tool in desktop-file-validate appstreamcli man xmllint file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
fail=0
problem() { echo "FAIL: $*"; fail=1; }

# Every installed file, and nothing else.
id=com.halvord.vxl_r381
expected=(
  bin/qv-r381-sim
  bin/vxl-r381
  bin/vxl-r381-cli
  share/applications/$id.desktop
  share/bash-completion/completions/vxl-r381-cli
  share/doc/vxl-r381/changelog.Debian.gz
  share/doc/vxl-r381/copyright
  share/doc/vxl-r381/manual.html
  share/icons/hicolor/scalable/apps/$id.svg
  share/lintian/overrides/vxl-r381
  share/man/man1/qv-r381-sim.1.gz
  share/man/man1/vxl-r381-cli.1.gz
  share/man/man1/vxl-r381.1.gz
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  || problem "the installed files differ from the list above (< expected, > installed)"
[ -z "$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)" ] || problem "files outside the prefix"

# Programs: executable, and the command-line tool answers.
for prog in vxl-r381 vxl-r381-cli qv-r381-sim; do
  [ -x "$root/bin/$prog" ] || problem "$prog is not executable"
done
version="$("$root/bin/vxl-r381-cli" --version)" || problem "vxl-r381-cli --version failed"
[ "$version" = "vxl-r381-cli 1.10" ] || problem "vxl-r381-cli --version says '$version'"
"$root/bin/qv-r381-sim" --help >/dev/null 2>&1 || problem "qv-r381-sim --help failed"

# Desktop entry: valid, and it names the installed icon, program and type.
desktop="$root/share/applications/$id.desktop"
# Hints are advice only (HamRadio could go with Network or Audio); errors
# and warnings fail.
out="$(desktop-file-validate "$desktop" 2>&1)" || problem "desktop-file-validate: $out"
! grep -E "(error|warning):" <<<"$out" || problem "desktop-file-validate complains"
grep -qx "Exec=vxl-r381 %f" "$desktop" || problem "desktop entry does not start vxl-r381 with a file"
grep -qx "Icon=$id" "$desktop" || problem "desktop entry icon"
grep -qx "Categories=HamRadio;Utility;" "$desktop" || problem "desktop entry categories"
grep -qx "MimeType=application/x-vxl-r381;" "$desktop" || problem "desktop entry file type"
# Its actions start the editor with options it takes.
grep -qx "Actions=read;backups;" "$desktop" || problem "desktop entry actions"
grep -qx "Exec=vxl-r381 --read" "$desktop" || problem "desktop entry action: read from radio"
grep -qx "Exec=vxl-r381 --backups" "$desktop" || problem "desktop entry action: open backups folder"
for option in --read --backups; do
  "$root/bin/vxl-r381" --help | grep -q -- "^  $option " || problem "vxl-r381 --help does not name $option"
done

# The file type: well-formed, *.381 under the type the desktop entry opens.
mime="$root/share/mime/packages/$id.xml"
xmllint --noout "$mime" || problem "the file type is not well-formed XML"
grep -q '<mime-type type="application/x-vxl-r381">' "$mime" || problem "file type name"
grep -q '<glob pattern="\*.381"/>' "$mime" || problem "file type glob"
if command -v update-mime-database >/dev/null; then
  cp -r "$root/share/mime" "$stage/mime-check"
  update-mime-database "$stage/mime-check" >/dev/null 2>&1 || problem "update-mime-database failed"
  grep -q "application/x-vxl-r381:\*.381" "$stage/mime-check/globs" || problem "*.381 missing from the mime database"
fi

# Icons: PNGs of their nominal size, identical to the program's own pictures.
for size in 16 24 32 48 64 128 256; do
  png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file "$png" | grep -q "PNG image data, $size x $size" || problem "icon $size: $(file -b "$png")"
  cmp -s "$png" "$source/data/icons/hicolor/${size}x${size}/vxl-r381.png" || problem "icon $size differs from the program's"
done
xmllint --noout "$root/share/icons/hicolor/scalable/apps/$id.svg" || problem "the scalable icon is not well-formed"

# AppStream metadata.
metainfo="$root/share/metainfo/$id.metainfo.xml"
# Without --no-net: a link it holds must answer, so it holds none that
# cannot (no placeholder addresses).
out="$(appstreamcli validate --pedantic "$metainfo" 2>&1)" || problem "appstreamcli validate: $out"
! grep -q '\.invalid' "$metainfo" || problem "metainfo holds a placeholder address"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || problem "metainfo launchable"
grep -q '<release version="1.10"' "$metainfo" || problem "metainfo release 1.10"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || problem "metainfo content rating"
[ -f "$source/packaging/screenshots/main-window.png" ] || problem "the screenshot is not in the repository"

# The bash completion offers the commands, read from the installed tool.
completion="$root/share/bash-completion/completions/vxl-r381-cli"
offered="$(PATH="$root/bin:$PATH" bash --norc -c 'source "$0"; COMP_WORDS=(vxl-r381-cli ""); COMP_CWORD=1;
  _vxl_r381_cli vxl-r381-cli "" vxl-r381-cli; echo "${COMPREPLY[*]}"' "$completion")" || problem "the completion fails"
for command in read write list export import diff ports detect; do
  grep -qw "$command" <<<"$offered" || problem "the completion does not offer $command: $offered"
done

# Manual pages: compressed without name or time, render without warnings.
for page in vxl-r381 vxl-r381-cli qv-r381-sim; do
  gz="$root/share/man/man1/$page.1.gz"
  gzip -t "$gz" || problem "$page.1.gz is not a gzip file"
  zcat "$gz" | head -c 4096 | grep -q "^\.TH \"$page\" \"1\"" || problem "$page.1 has no title line"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$gz" 2>&1 >/dev/null)" \
    || problem "man -l $page.1.gz failed"
  [ -z "$warnings" ] || problem "man -l $page.1.gz: $warnings"
  text="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$gz" 2>/dev/null)"
  for section in NAME SYNOPSIS DESCRIPTION "SEE ALSO"; do
    grep -q "^$section" <<<"$text" || problem "$page(1) lacks the section $section"
  done
done

# The manual is the one the program shows.
cmp -s "$root/share/doc/vxl-r381/manual.html" "$source/src/ui/info/help/manual.html" || problem "manual.html differs"
zcat "$root/share/doc/vxl-r381/changelog.Debian.gz" | head -1 | grep -q '^vxl-r381 (1.10-1) ' \
  || problem "changelog.Debian.gz does not start with version 1.10-1"

[ "$fail" -eq 0 ] && echo "install: all ${#expected[@]} files checked"
exit "$fail"
