#!/bin/bash
# The video figure of the README: a 1080p clip made by ffmpeg's own test sources (testsrc2
# with a sine tone) rendered to H.264, against the plug-in's frames alone (bench) at the
# same size and settings. Settings to compare go after the arguments, as --set "Name=Value".
# usage: bench/video-speed.sh [BUILD_DIR] [SECONDS] [--set "Name=Value"]...
set -eu
build=${1:-build}
seconds=${2:-10}
shift $(( $# > 2 ? 2 : $# ))
host="$build/tools/vigil-host"
plugin="$build/ZaqVigilomatronic.so"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=$((seconds * 30))
ffmpeg -v error -f lavfi -i testsrc2=size=1920x1080:rate=30 -f lavfi -i sine=sample_rate=48000 -t "$seconds" \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$work/clip.mp4"
median=$("$host" bench "$plugin" --size 1920x1080 --frames 200 --warmup 20 "$@" 2>/dev/null |
  awk '/median ms\/frame/ {print $3}')
start=$(date +%s.%N)
"$host" render "$plugin" --input "$work/clip.mp4" --quiet "$@" --output "$work/out.mp4" 2>/dev/null
end=$(date +%s.%N)
awk -v m="$median" -v f="$frames" -v s="$start" -v e="$end" 'BEGIN {
  bench = 1000 / m; render = f / (e - s);
  printf "bench: %.1f ms/frame (%.1f fps)\nrender of %d frames, 1080p H.264 in and out: %.1f s (%.1f fps)\n", m, bench, f, e - s, render;
  printf "render / bench: %.2f\n", render / bench }'
