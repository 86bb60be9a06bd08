#!/bin/sh
# Enlarged PNG previews of the assets, for looking at them after a change.
# Run: sh assets/preview.sh [output folder]   (default /tmp/keyloom-preview)
# Needs ImageMagick 6 (/usr/bin/convert).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-/tmp/keyloom-preview}
convert=/usr/bin/convert
mkdir -p "$out"

# Cursor and each icon size, 8x with hard pixel edges, on a light, a mid and a dark ground.
Sheet() {
    # $1 image spec, $2 output name
    "$convert" "$1" -filter point -resize 800% "$out/$2-raw.png"
    for ground in "#FFFFFF" "#F0F0F0" "#3A6EA5" "#202020"; do
        "$convert" "$out/$2-raw.png" -background "$ground" -alpha remove -alpha off \
            -bordercolor "$ground" -border 8 miff:-
    done | "$convert" - +append "$out/$2.png"
    rm -f "$out/$2-raw.png"
}

Sheet "$here/keyloom.cur" cursor
Sheet "$here/keyloom.ico[0]" icon16
Sheet "$here/keyloom.ico[1]" icon32
Sheet "$here/keyloom.ico[2]" icon48

# Logo: natural size at 4x, and stretched to 96 x 24 as the window shows it, at 4x.
"$convert" "$here/logo.jpg" -filter point -resize 400% "$out/logo.png"
"$convert" "$here/logo.jpg" -resize '96x24!' -filter point -resize 400% "$out/logo-96x24.png"
"$convert" "$here/logo.jpg" -resize '96x24!' "$out/logo-96x24-actual.png"
echo "previews in $out"
