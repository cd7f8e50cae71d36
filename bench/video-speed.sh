#!/bin/bash
# The video figure of the README: a 1080p clip made by ffmpeg's own test sources (testsrc2
# with a sine tone) rendered to H.264 by vigil-host, against ffmpeg alone decoding and
# encoding the same clip with the same codec, preset and quality (audio copied in both).
# The two run in turn, ROUNDS times, so that the machine's other load falls on both alike;
# each round prints both wall times, their CPU times (which other load disturbs less) and
# the ratios, then the median ratios and the load average before and after.
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

# Wall seconds, then CPU seconds (user and system, children included), of a command.
timed() { /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" && awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$work/time"; }
walls=()
cpus=()
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$rounds"); do
  read -r alone_wall alone_cpu < <(timed ffmpeg -v error -nostdin -i "$work/clip.mp4" -c:v libx264 -preset veryfast \
    -crf 18 -pix_fmt yuv420p -c:a copy -y "$work/alone.mp4")
  read -r render_wall render_cpu < <(timed "$host" render "$plugin" --input "$work/clip.mp4" --quiet "$@" \
    --output "$work/render.mp4")
  wall=$(awk -v a="$alone_wall" -v r="$render_wall" 'BEGIN { printf "%.2f", r / a }')
  cpu=$(awk -v a="$alone_cpu" -v r="$render_cpu" 'BEGIN { printf "%.2f", r / a }')
  walls+=("$wall")
  cpus+=("$cpu")
  echo "round $round: ffmpeg alone ${alone_wall} s (CPU ${alone_cpu} s), vigil-host render ${render_wall} s" \
    "(CPU ${render_cpu} s), ratio ${wall} (CPU ${cpu})"
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "median ratio, render / ffmpeg alone, over $rounds rounds: $(median "${walls[@]}") (CPU $(median "${cpus[@]}"))"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
