#!/bin/sh
# Draws the book icons: each is painted on a 128x128 canvas and
# scaled down to 32x32, which gives smooth edges at toolbar size.
set -e
out=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

shrink() { convert "$1" -filter Lanczos -resize 32x32 -strip PNG32:"$2"; }

# Folk book: a lit candle on a small brass saucer.
convert -size 128x128 xc:none \
  -fill '#f6c445' -stroke '#8a5a10' -strokewidth 5 \
  -draw "ellipse 64,108 40,10 0,360" \
  -fill '#fbf3dc' -stroke '#7a2418' -strokewidth 5 \
  -draw "roundrectangle 46,50 82,108 6,6" \
  -stroke '#3a2a1a' -strokewidth 4 -draw "line 64,50 64,40" \
  -fill '#ff9a1f' -stroke '#b0400c' -strokewidth 4 \
  -draw "path 'M 64,6 C 82,26 80,40 64,42 C 48,40 46,26 64,6 Z'" \
  -fill '#ffe680' -stroke none \
  -draw "path 'M 64,20 C 72,30 71,37 64,38 C 57,37 56,30 64,20 Z'" \
  "$tmp/candle.png"
shrink "$tmp/candle.png" "$out/narodny.png"

# Psychological book: a violet quill feather laid diagonally.
convert -size 128x128 xc:none \
  -fill '#b58ad6' -stroke '#4b1f6e' -strokewidth 5 \
  -draw "path 'M 22,110 C 30,60 62,22 112,12 C 106,58 76,96 30,104 Z'" \
  -stroke '#4b1f6e' -strokewidth 4 -fill none \
  -draw "path 'M 14,120 C 42,84 70,50 108,16'" \
  -strokewidth 3 \
  -draw "line 52,76 38,70" -draw "line 66,60 54,48" -draw "line 80,46 72,32" \
  -draw "line 54,74 70,86" -draw "line 70,56 86,64" \
  "$tmp/feather.png"
shrink "$tmp/feather.png" "$out/psihologichesky.png"

# Lunar book: a golden crescent with a small star.
convert -size 128x128 xc:none \
  -fill '#f2c230' -stroke '#8a6200' -strokewidth 5 \
  -draw "circle 58,66 58,10" "$tmp/disc.png"
convert -size 128x128 xc:none -fill black -draw "circle 84,52 84,4" "$tmp/bite.png"
convert "$tmp/disc.png" "$tmp/bite.png" -compose DstOut -composite "$tmp/crescent.png"
convert -size 128x128 xc:none -fill none -stroke '#8a6200' -strokewidth 5 \
  -draw "circle 84,52 84,4" "$tmp/rim.png"
convert "$tmp/rim.png" "$tmp/disc.png" -compose DstIn -composite "$tmp/rimcut.png"
convert "$tmp/crescent.png" "$tmp/rimcut.png" -compose Over -composite \
  -fill '#fff2a8' -stroke '#8a6200' -strokewidth 4 \
  -draw "polygon 98,24 103,38 118,39 106,48 110,62 98,54 86,62 90,48 78,39 93,38" \
  "$tmp/moon.png"
shrink "$tmp/moon.png" "$out/lunny.png"

# Family book: a small house with a warm window and a heart above the door.
convert -size 128x128 xc:none \
  -fill '#f3e2c0' -stroke '#5a3a1a' -strokewidth 5 \
  -draw "rectangle 24,58 104,118" \
  -fill '#c0482c' -stroke '#6e1e10' -strokewidth 5 \
  -draw "polygon 10,62 64,14 118,62" \
  -fill '#8a5a2c' -stroke '#5a3a1a' -strokewidth 4 \
  -draw "roundrectangle 54,84 76,118 4,4" \
  -fill '#ffd34d' -stroke '#5a3a1a' -strokewidth 4 \
  -draw "rectangle 32,70 48,86" -draw "rectangle 82,70 98,86" \
  -fill '#d83a4a' -stroke '#7a1020' -strokewidth 3 \
  -draw "path 'M 64,78 C 50,68 52,56 60,58 C 62,58 64,60 64,62 C 64,60 66,58 68,58 C 76,56 78,68 64,78 Z'" \
  "$tmp/house.png"
shrink "$tmp/house.png" "$out/semeyny.png"

# Book of symbols and colours: a colour wheel of four sectors around a white star.
convert -size 128x128 xc:none -stroke '#1f2a4a' -strokewidth 4 \
  -fill '#d8342c' -draw "path 'M 64,64 L 64,8 A 56,56 0 0,1 120,64 Z'" \
  -fill '#f2c230' -draw "path 'M 64,64 L 120,64 A 56,56 0 0,1 64,120 Z'" \
  -fill '#3a9a48' -draw "path 'M 64,64 L 64,120 A 56,56 0 0,1 8,64 Z'" \
  -fill '#2f62c8' -draw "path 'M 64,64 L 8,64 A 56,56 0 0,1 64,8 Z'" \
  -fill '#ffffff' -stroke '#1f2a4a' -strokewidth 4 \
  -draw "polygon 64,38 71,56 90,57 75,69 80,88 64,77 48,88 53,69 38,57 57,56" \
  "$tmp/wheel.png"
shrink "$tmp/wheel.png" "$out/simvoly.png"
