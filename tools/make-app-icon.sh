#!/usr/bin/env bash
# Regenerates the program icon from tools/icon/: images/hrl.png (32 px window icon),
# images/16/hrl.png (16 px menu and tray icon), their "@2x" variants, and the sizes a desktop
# entry installs (resources/icons/hicolor/, outside the embedded tree).
# Running it twice gives byte-identical files.
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/tools/icon"
images="$root/resources/com/quillmark/images"
hicolor="$root/resources/icons/hicolor"

# shellcheck source-path=SCRIPTDIR source=debian-inputs.sh
. "$root/tools/debian-inputs.sh"
ensure_deb librsvg2-bin "$DEB_RSVG"
ensure_deb imagemagick "$DEB_IMAGEMAGICK"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rendered at eight times the size and averaged down, for even edges on the round shapes.
render() { # svg size out
    rsvg-convert -w $(($2 * 8)) -h $(($2 * 8)) "$1" -o "$work/big.png"
    convert "$work/big.png" -filter Box -resize "$2x$2!" \
        -strip -define 'png:exclude-chunks=date,time' "PNG32:$3"
}

# Our own artwork (this icon and the 4:3 flag of the Netherlands Antilles) is CC0.
mkdir -p "$root/resources/LICENSES"
cp /usr/share/common-licenses/CC0-1.0 "$root/resources/LICENSES/CC0-1.0.txt"

mkdir -p "$images/16"
# hrl-16.svg keeps the hands on the 16-pixel grid; the large design would blur them at that size.
render "$src/hrl-16.svg" 16 "$images/16/hrl.png"
render "$src/hrl-16.svg" 32 "$images/16/hrl@2x.png"
render "$src/hrl.svg" 32 "$images/hrl.png"
render "$src/hrl.svg" 64 "$images/hrl@2x.png"

for size in 48 64 128 256; do
    mkdir -p "$hicolor/${size}x${size}/apps"
    render "$src/hrl.svg" "$size" "$hicolor/${size}x${size}/apps/horalia.png"
done
mkdir -p "$hicolor/scalable/apps"
cp "$src/hrl.svg" "$hicolor/scalable/apps/horalia.svg"
echo "program icon: 4 embedded, 4 sizes and the SVG in resources/icons/hicolor"
