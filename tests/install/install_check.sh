#!/usr/bin/env bash
# Installs the build into a throwaway DESTDIR as a distribution package would (prefix /usr)
# and checks the result with the desktop's own validators.
set -euo pipefail

BUILD=${HRL_BUILD_DIR:?build tree to install from}
SOURCE=${HRL_SOURCE_DIR:?source tree}
APP_ID=com.quillmark.Horalia
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
ROOT="$WORK/root"

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok - $*"; }

DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" || { cat "$WORK/install.log"; fail "cmake --install"; }
share="$ROOT/usr/share"
[ -x "$ROOT/usr/bin/horalia" ] || fail "no executable usr/bin/horalia"
entry="$share/applications/$APP_ID.desktop"
metainfo="$share/metainfo/$APP_ID.metainfo.xml"
[ -f "$entry" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"
pass "program, desktop entry and metainfo installed"

# Hints and warnings count too: the entry is ours to keep clean.
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
pass "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$WORK/as.log" 2>&1 || { cat "$WORK/as.log"; fail "appstreamcli validate"; }
appstreamcli validate-tree --no-net "$ROOT" >"$WORK/tree.log" 2>&1 || { cat "$WORK/tree.log"; fail "appstreamcli validate-tree"; }
pass "appstreamcli validate and validate-tree"

# What the entry names must be there: the command on the path, its icon in every size.
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$ROOT/usr/bin/$exec_cmd" ] || fail "Exec=$exec_cmd is not installed in usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 48x48 64x64 128x128 256x256; do
    png="$share/icons/hicolor/$size/apps/$icon.png"
    [ -f "$png" ] || fail "no $size icon named $icon"
    [ "$(identify -format '%wx%h' "$png")" = "$size" ] || fail "$png is not $size"
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
pass "Exec and Icon resolve"

grep -q "^Categories=Utility;Clock;$" "$entry" || fail "categories"
grep -q "^GenericName=World Clock$" "$entry" || fail "generic name"
# Every language of the text bundles has its generic name and comment, under the locale a
# desktop uses (the bundles' old codes iw, in and no become he, id and nb).
for lang in de he id nb nn zh_CN zh_TW ja ar; do
    grep -q "^GenericName\[$lang\]=" "$entry" && grep -q "^Comment\[$lang\]=" "$entry" || fail "no texts for $lang"
done
for old in iw in no zh_cn zh_tw; do
    ! grep -q "\[$old\]=" "$entry" || fail "old language code $old"
done
langs=$(ls "$SOURCE/tools/i18n/" | grep -cv -e '^base.tsv$' -e '^desktop.tsv$')
# Norwegian's one bundle serves both written forms, nb and nn.
[ "$(grep -c '^Comment\[' "$entry")" -eq "$((langs + 1))" ] || fail "$(grep -c '^Comment\[' "$entry") comments for $langs languages"
pass "translated for all $langs languages of the bundles"

version=$(sed -n 's/^project(Horalia VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")
grep -q "<release version=\"$version\" date=\"2022-03-29\"/>" "$metainfo" || fail "release $version not in the metainfo"
pass "release $version dated 2022-03-29"
[ -f "$share/doc/horalia/LICENSES/flag-icons.MIT.txt" ] || fail "artwork licences not installed"
pass "artwork licences installed"
echo "1..8 all passed"
