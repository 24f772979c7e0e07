#!/usr/bin/env bash
# Regenerates the flag images under resources/com/quillmark/images/flags-rectangle/ and
# flags-round/: "flag-<code>.png" at 16 x 16 and "flag-<code>@2x.png" at 32 x 32, RGBA.
#
# Inputs, pinned: npm flag-icons (4:3 SVG flags, MIT) and circle-flags (round SVG flags, MIT),
# rsvg-convert (librsvg2-bin) and ImageMagick 6 from Debian. The codes come from the zone table
# in src/zone/CountryCodes.cpp; the lists below name the codes left without an image and the
# extra images. Running it twice gives byte-identical files.
set -euo pipefail
export LC_ALL=C

FLAG_ICONS_VERSION=7.5.0
CIRCLE_FLAGS_VERSION=2.8.3

# Codes of the table that get no image, and images that no table entry uses.
RECT_NONE="bq cw ss sx yt"
RECT_EXTRA="an bv hm"
ROUND_NONE="aq ax bl bq cc cw eh gf gg gp im io je me mf mp nc ps re sh sj ss sx tf tk um yt"
ROUND_EXTRA="an"

# Faint outline so that mostly white flags keep an edge on a light menu.
OUTLINE='rgba(0,0,0,0.28)'
# Each SVG is rendered at this multiple of the target size and averaged down: rendering straight
# to 16 px leaves half-covered pixels along shape edges, which show as seams.
OVERSAMPLE=8

root=$(cd "$(dirname "$0")/.." && pwd)
images="$root/resources/com/quillmark/images"

# shellcheck source-path=SCRIPTDIR source=debian-inputs.sh
. "$root/tools/debian-inputs.sh"
ensure_deb librsvg2-bin "$DEB_RSVG"
ensure_deb imagemagick "$DEB_IMAGEMAGICK"
command -v npm >/dev/null || { echo "make-flags: npm is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

npm install --prefix "$work" --no-save --no-package-lock --ignore-scripts --no-audit --no-fund \
    "flag-icons@$FLAG_ICONS_VERSION" "circle-flags@$CIRCLE_FLAGS_VERSION" >/dev/null
# The MIT notices ship beside the images they cover.
licenses="$root/resources/LICENSES"
mkdir -p "$licenses"
cp "$work/node_modules/flag-icons/LICENSE" "$licenses/flag-icons.MIT.txt"
cp "$work/node_modules/circle-flags/LICENSE.md" "$licenses/circle-flags.MIT.txt"

rect_svgs="$work/node_modules/flag-icons/flags/4x3"
round_svgs="$work/node_modules/circle-flags/flags"
# No 4:3 set carries the flag of the Netherlands Antilles; ours is drawn in tools/flags/.
cp "$root/tools/flags/an-4x3.svg" "$rect_svgs/an.svg"

table_codes=$(grep -oE 'u"[A-Z]{2}"\},' "$root/src/zone/CountryCodes.cpp" | cut -c3-4 | tr '[:upper:]' '[:lower:]' | sort -u)
if [ "$(wc -l <<<"$table_codes")" -ne 247 ]; then
    echo "make-flags: expected 247 codes in CountryCodes.cpp" >&2
    exit 1
fi

# Codes of the table minus $2, plus $3, sorted.
select_codes() {
    local none=" $2 "
    {
        for c in $1; do [[ $none == *" $c "* ]] || echo "$c"; done
        for c in $3; do echo "$c"; done
    } | sort -u
}

png_out=(-strip -define 'png:exclude-chunks=date,time')

# A 4:3 flag, scaled to the full width of the square and centred with transparent rows above and
# below; the outline is one pixel on the flag's own edge. Where two shapes meet on a slant, their
# anti-aliased edges leave pixels short of full cover even after averaging; the averaged colour is
# right, so the flag is made opaque again. Nepal's pennant is no rectangle: it keeps its own
# transparency and, having a border of its own, gets no outline.
render_rect() { # svg size out
    local svg=$1 s=$2 out=$3
    local h=$((s * 3 / 4))
    local shape=(-alpha opaque
        \( -size "${s}x${h}" "xc:$OUTLINE" -size "$((s - 2))x$((h - 2))" xc:none
           -gravity center -compose Copy -composite \)
        -gravity center -compose Over -composite)
    [ "$(basename "$svg")" = np.svg ] && shape=()
    rsvg-convert -w $((s * OVERSAMPLE)) -h $((h * OVERSAMPLE)) "$svg" -o "$work/big.png"
    convert "$work/big.png" -filter Box -resize "${s}x${h}!" "${shape[@]}" \
        -background none -gravity center -compose Over -extent "${s}x${s}" \
        "${png_out[@]}" "PNG32:$out"
}

# A round flag takes its transparency from a clean disc of the same size, for the same reason,
# and gets a ring one pixel wide over its rim.
render_round() { # svg size out
    local svg=$1 s=$2 out=$3
    rsvg-convert -w $((s * OVERSAMPLE)) -h $((s * OVERSAMPLE)) "$svg" -o "$work/big.png"
    convert "$work/big.png" -filter Box -resize "${s}x${s}!" -alpha off \
        "$work/disc-$s.png" -compose CopyOpacity -composite \
        "$work/ring-$s.png" -compose Over -composite \
        "${png_out[@]}" "PNG32:$out"
}

# The disc and the ring at both sizes, drawn on the circle of the round SVGs (512 units across).
for s in 16 32; do
    big=$((s * OVERSAMPLE))
    # The ring's stroke is one target pixel wide and ends at the rim.
    w=$(awk -v s="$s" 'BEGIN { printf "%.4f", 512 / s }')
    r=$(awk -v w="$w" 'BEGIN { printf "%.4f", 256 - w / 2 }')
    cat >"$work/ring.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 512 512">
  <circle cx="256" cy="256" r="$r" fill="none" stroke="$OUTLINE" stroke-width="$w"/>
</svg>
EOF
    cat >"$work/disc.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 512 512">
  <circle cx="256" cy="256" r="256" fill="#fff"/>
</svg>
EOF
    rsvg-convert -w "$big" -h "$big" "$work/ring.svg" -o "$work/ring-big.png"
    convert "$work/ring-big.png" -filter Box -resize "${s}x${s}!" "$work/ring-$s.png"
    rsvg-convert -w "$big" -h "$big" "$work/disc.svg" -o "$work/disc-big.png"
    convert "$work/disc-big.png" -filter Box -resize "${s}x${s}!" -alpha extract "$work/disc-$s.png"
done

make_set() { # folder render-function svg-dir codes
    local dir="$images/$1" render=$2 svgs=$3 codes=$4 n=0
    mkdir -p "$dir"
    rm -f "$dir"/flag-*.png
    for c in $codes; do
        if [ ! -f "$svgs/$c.svg" ]; then
            echo "make-flags: no SVG for '$c' in $svgs" >&2
            exit 1
        fi
        "$render" "$svgs/$c.svg" 16 "$dir/flag-$c.png"
        "$render" "$svgs/$c.svg" 32 "$dir/flag-$c@2x.png"
        n=$((n + 1))
    done
    echo "$1: $n flags"
}

make_set flags-rectangle render_rect "$rect_svgs" "$(select_codes "$table_codes" "$RECT_NONE" "$RECT_EXTRA")"
make_set flags-round render_round "$round_svgs" "$(select_codes "$table_codes" "$ROUND_NONE" "$ROUND_EXTRA")"
