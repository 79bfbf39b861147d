#!/usr/bin/env bash
# Makes the eight grid background pictures WP1.jpg..WP8.jpg: quiet, light textures that keep grid text
# readable. Needs ImageMagick. Usage: tools/pictures/make-backgrounds.sh [output folder]
set -euo pipefail
out=${1:-content}
size=640x480
# Each picture: a pale base colour, a fixed-seed noise texture blended in lightly, then a soft blur.
make() {
  local n=$1 base=$2 pattern=$3
  convert -size "$size" xc:"$base" \
    \( -size "$size" -seed "$n" $pattern -colorspace Gray -auto-level \) \
    -compose blend -define compose:args=12 -composite -blur 0x0.6 -quality 88 \
    -strip "$out/WP$n.jpg"
}
make 1 '#f4f1ea' 'plasma:fractal'
make 2 '#eef3f7' 'xc: +noise Random -blur 0x2'
make 3 '#f1f5ee' 'pattern:crosshatch30 -blur 0x1'
make 4 '#f6f0f0' 'xc: +noise Gaussian -blur 0x4'
make 5 '#eceff5' 'pattern:hs_diagcross -blur 0x1.2'
make 6 '#f5f3e8' 'plasma:fractal -blur 0x3'
make 7 '#eef5f4' 'pattern:horizontal2 -blur 0x1'
make 8 '#f3eff6' 'pattern:checkerboard -blur 0x3'
