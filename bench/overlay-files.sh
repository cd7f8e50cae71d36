#!/usr/bin/env bash
# Writes the six overlay files of the load benchmark into FOLDER (default out/overlays):
# photo-like content (ImageMagick's plasma fractal, scaled up and lightly noised), never
# flat colour, so that the decoders do their real work. Files already there are kept.
#   bench/overlay-files.sh [FOLDER]
set -euo pipefail
OUT=${1:-out/overlays}
mkdir -p "$OUT"
cd "$OUT"

plasma() {  # WIDTH HEIGHT SEED OUTPUT [more convert options]
  local w=$1 h=$2 seed=$3 out=$4; shift 4
  convert -size "${w}x${h}" -seed "$seed" plasma:fractal "$@" -depth 8 "$out"
}

[ -f photo-1080p.png ] || plasma 1920 1080 1 photo-1080p.png
[ -f photo-1080p.jpg ] || convert photo-1080p.png -quality 90 photo-1080p.jpg
[ -f photo-4k.jpg ] || { plasma 1920 1080 2 photo-4k.png -resize 200% -attenuate 0.3 +noise Gaussian &&
  convert photo-4k.png -quality 90 photo-4k.jpg && rm photo-4k.png; }
# About 63 MiB: a 2048-pixel plasma scaled up four times, with a little noise.
[ -f photo-8192.png ] || plasma 2048 2048 3 photo-8192.png -resize 400% -attenuate 0.05 +noise Gaussian

# Animations: a window sliding over a wider plasma, one step per frame.
animation() {  # WIDTH HEIGHT FRAMES STEP DELAY OUTPUT
  local w=$1 h=$2 frames=$3 step=$4 delay=$5 out=$6 work i
  work=$(mktemp -d)
  plasma $((w + frames * step)) "$h" 4 "$work/strip.png"
  for ((i = 0; i < frames; i++)); do
    convert "$work/strip.png" -crop "${w}x${h}+$((i * step))+0" +repage "$(printf '%s/frame-%04d.png' "$work" "$i")"
  done
  convert -delay "$delay" -loop 0 "$work"/frame-*.png "$out"
  rm -rf "$work"
}
[ -f clip-480x270.gif ] || animation 480 270 300 2 4 clip-480x270.gif
[ -f clip-1024.gif ] || animation 1024 1024 50 8 10 clip-1024.gif
ls -l "$PWD"
