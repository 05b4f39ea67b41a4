#!/usr/bin/env bash
# Checks the package that scripts/package.sh built in build/: its name and file name, a
# Depends line naming the Qt 6 libraries and libcsv, what it holds (the programs, the
# desktop entry, the icons, the metainfo, the sample module byte for byte, the copyright
# file and the changelog) and what it must not hold (developer tools, tests); the desktop
# entry with desktop-file-validate, the metainfo with appstreamcli; that the packed
# programs run, the editor without a display; and lintian without errors where lintian is installed.
# .ci/run calls it after package.sh.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
ID=org.lancefall.ModuleEditor
source "$ROOT/scripts/install_missing.sh"
install_missing appstream desktop-file-utils

fail() {
    echo "check_package: $*" >&2
    exit 1
}

shopt -s nullglob
debs=("$BUILD"/lancefall-editor_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one lancefall-editor_*.deb in $BUILD, found ${#debs[@]}: run scripts/package.sh"
deb="${debs[0]}"
echo "== Checking $deb"

field() { dpkg-deb --field "$deb" "$1"; }
version=$(field Version)
[ "$(field Package)" = lancefall-editor ] || fail "the package is named $(field Package)"
[ "$(basename "$deb")" = "lancefall-editor_${version}_$(field Architecture).deb" ] ||
    fail "$(basename "$deb") does not match its version $version and architecture $(field Architecture)"
depends=$(field Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libcsv3; do
    grep -Eq "(^|, )$library( |,|$)" <<< "$depends" || fail "Depends names no $library: $depends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
sample=usr/share/lancefall-editor/sample-module
expected=(usr/bin/lancefall-editor usr/bin/lancefall-check usr/bin/lancefall-table
          usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$ID.svg
          usr/share/doc/lancefall-editor/copyright usr/share/doc/lancefall-editor/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$ID.png")
done
for path in "${expected[@]}"; do
    [ -f "$unpacked/$path" ] || fail "the package holds no /$path"
done
for file in "$ROOT"/samples/module/*; do
    cmp -s "$file" "$unpacked/$sample/$(basename "$file")" ||
        fail "/$sample/$(basename "$file") is not the sample module's file byte for byte"
done
unwanted=$(find "$unpacked" -name 'tst_*' -o -name lancefall-screenshot -o -name lancefall-generate-module \
    -o -name lancefall-bench -o -name '*.a')
[ -z "$unwanted" ] || fail "the package holds developer files: ${unwanted//$unpacked/}"

desktop="$unpacked/usr/share/applications/$ID.desktop"
metainfo="$unpacked/usr/share/metainfo/$ID.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses the metainfo"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$unpacked/usr/bin/$program" ] || fail "the desktop entry starts $program, which the package does not hold"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$ID" ] || fail "the desktop entry names another icon than $ID"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lists no release $version"
zcat "$unpacked/usr/share/doc/lancefall-editor/changelog.gz" | head -n 1 | grep -q "^lancefall-editor ($version)" ||
    fail "the changelog's latest entry is not version $version"

answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$unpacked/usr/bin/lancefall-editor" --version) ||
    fail "the packed editor fails on --version without a display"
[ "$answer" = "Lancefall Module Editor $version" ] || fail "the packed editor answers --version with: $answer"
"$unpacked/usr/bin/lancefall-check" --quiet "$unpacked/$sample" || fail "the packed sample module does not check clean"
"$unpacked/usr/bin/lancefall-table" export "$unpacked/$sample" troops > /dev/null ||
    fail "the packed lancefall-table cannot export the sample module's troops"

if command -v lintian > /dev/null; then
    lintian --fail-on error "$deb" || fail "lintian found errors"
else
    echo "lintian is not installed: skipped"
fi
echo "== $(basename "$deb") holds and declares what it should"
