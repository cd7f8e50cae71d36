#!/usr/bin/env bash
# Writes 32 different overlay files into FOLDER (default out/many-overlays), one for each
# instance of the many-instance load benchmark, slow ones first: the six files of
# bench/overlay-files.sh, a PNG and a GIF of a few KB that declare 4096x4096 pictures,
# then 24 small photos of different sizes and formats. Files already there are kept.
# Then, for example:
#   vigil-host bench build/ZaqVigilomatronic.so --size 640x360 --warmup 10 --at-frame 30 \
#     $(printf -- '--load-overlay %s ' out/many-overlays/*)
set -euo pipefail
OUT=${1:-out/many-overlays}
LARGE=$(dirname "$OUT")/overlays
"$(dirname "$0")/overlay-files.sh" "$LARGE" >/dev/null
mkdir -p "$OUT"

# Small files that declare 16-megapixel pictures: a few KB that decode for a while.
[ -f "$OUT/01-declares-4096.png" ] || convert -size 4096x4096 xc:'#993366' -depth 8 "$OUT/01-declares-4096.png"
[ -f "$OUT/02-declares-4096.gif" ] || convert -size 4096x4096 xc:'#669933' "$OUT/02-declares-4096.gif"
number=0
for name in photo-8192.png - - photo-4k.jpg clip-1024.gif clip-480x270.gif photo-1080p.png photo-1080p.jpg; do
  target=$(printf '%s/%02d-%s' "$OUT" "$number" "$name")
  [ "$name" = - ] || [ -f "$target" ] || cp "$LARGE/$name" "$target"
  number=$((number + 1))
done
sizes=(320x180 640x360 800x600 1280x720 512x512)
formats=(jpg png bmp tga jpg)
for ((i = 0; number < 32; i++, number++)); do
  size=${sizes[i % ${#sizes[@]}]}
  target=$(printf '%s/%02d-photo-%s.%s' "$OUT" "$number" "$size" "${formats[i % ${#formats[@]}]}")
  [ -f "$target" ] || convert -size "$size" -seed "$((100 + i))" plasma:fractal -depth 8 "$target"
done
ls "$OUT"
