#!/usr/bin/env bash
# Regenerates the 16-pixel menu and button icons in resources/com/quillmark/images/16/, each with
# a 32-pixel "@2x" variant beside it, from Debian's oxygen-icon-theme (LGPL-3+).
# PNGs keep their alpha; the GIFs get one-bit transparency. Running it twice gives byte-identical files.
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/resources/com/quillmark/images/16"
theme=/usr/share/icons/oxygen/base

# shellcheck source-path=SCRIPTDIR source=debian-inputs.sh
. "$root/tools/debian-inputs.sh"
ensure_deb oxygen-icon-theme "$DEB_OXYGEN"
ensure_deb imagemagick "$DEB_IMAGEMAGICK"

# Our file name, then the theme's icon (context/name) it is made from.
ICONS=(
    "accessories-clock-3.png apps/clock"
    "preferences.png         categories/preferences-system"
    "exit.gif                actions/application-exit"
    "user-new.png            actions/list-add"
    "dialog-cancel-4.png     actions/edit-delete"
    "up_arrow.gif            actions/go-up"
    "down_arrow.gif          actions/go-down"
    "media-floppy-3.5-2.png  actions/document-save"
    "document-close-3.png    actions/document-close"
    "dialog-apply.png        actions/dialog-ok-apply"
    "dialog-disable.png      actions/dialog-cancel"
    "homepage.png            actions/go-home"
    "email-go.png            actions/mail-send"
)

# A GIF pixel is either opaque or transparent. Cutting alpha at one half and keeping the pixel's own
# colour (never blending it over a backdrop first) leaves no light or dark fringe on any menu.
to_gif() { # in out
    convert "$1" -alpha set -channel A -threshold 50% +channel \
        -dither None -colors 255 -strip "GIF:$2"
}

to_png() { # in out
    convert "$1" -strip -define 'png:exclude-chunks=date,time' "PNG32:$2"
}

# LGPL-3 builds on the GPL-3 text, so both ship with the icons.
licenses="$root/resources/LICENSES"
mkdir -p "$licenses"
cp /usr/share/common-licenses/LGPL-3 "$licenses/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$licenses/GPL-3.txt"
cp /usr/share/doc/oxygen-icon-theme/copyright "$licenses/oxygen-icon-theme.copyright.txt"

mkdir -p "$out"
for entry in "${ICONS[@]}"; do
    read -r name icon <<<"$entry"
    base=${name%.*}
    ext=${name##*.}
    for size in 16 32; do
        src="$theme/${size}x${size}/$icon.png"
        if [ "$size" = 16 ]; then dst="$out/$name"; else dst="$out/$base@2x.$ext"; fi
        if [ "$ext" = gif ]; then to_gif "$src" "$dst"; else to_png "$src" "$dst"; fi
    done
done
echo "images/16: ${#ICONS[@]} icons"
