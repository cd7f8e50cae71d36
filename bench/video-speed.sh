#!/bin/bash
# The video figure of the README: a 1080p clip made by ffmpeg's own test sources (testsrc2
# with a sine tone) rendered to H.264 by vigil-host, against ffmpeg alone decoding and
# encoding the same clip with the same codec, preset and quality (audio copied in both).
# The two run in turn, ROUNDS times, so that the machine's other load falls on both alike;
# each round prints both times and their ratio, then the median ratio and the load average.
# Settings to compare go after the arguments, as --set "Name=Value".
# usage: bench/video-speed.sh [BUILD_DIR] [SECONDS] [ROUNDS] [--set "Name=Value"]...
set -eu
build=${1:-build}
seconds=${2:-5}
rounds=${3:-3}
shift $(($# > 3 ? 3 : $#))
host="$build/tools/vigil-host"
plugin="$build/ZaqVigilomatronic.so"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -f lavfi -i testsrc2=size=1920x1080:rate=30 -f lavfi -i sine=sample_rate=48000 -t "$seconds" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$work/clip.mp4"

now() { date +%s.%N; }
ratios=()
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
  start=$(now)
  ffmpeg -v error -nostdin -i "$work/clip.mp4" -c:v libx264 -preset veryfast -crf 18 -pix_fmt yuv420p \
    -c:a copy -y "$work/alone.mp4"
  middle=$(now)
  "$host" render "$plugin" --input "$work/clip.mp4" --quiet "$@" --output "$work/render.mp4" 2>/dev/null
  end=$(now)
  ratio=$(awk -v s="$start" -v m="$middle" -v e="$end" 'BEGIN { printf "%.2f", (e - m) / (m - s) }')
  ratios+=("$ratio")
  awk -v r="$round" -v s="$start" -v m="$middle" -v e="$end" -v q="$ratio" 'BEGIN {
    printf "round %d: ffmpeg alone %.2f s, vigil-host render %.2f s, ratio %s\n", r, m - s, e - m, q }'
done
median=$(printf '%s\n' "${ratios[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "median ratio (render / ffmpeg alone) over $rounds rounds: $median"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
