#!/bin/bash
# The frame-cost figures of the README: the whole frame with every HUD element and the
# info block on against the same frame with all of them off, and the defaults against the
# defaults without corners and info. The processing pass in each setting against a plain
# copy: bench/processing-cost.sh.
# usage: bench/frame-cost.sh [BUILD_DIR] [FRAMES]    (run it under xvfb-run -a)
set -eu
build=${1:-build}
frames=${2:-200}
host="$build/tools/vigil-host"
plugin="$build/ZaqVigilomatronic.so"
bench() { "$host" bench "$plugin" --frames "$frames" --warmup 20 "$@" 2>&1 | grep -v ' frame [123], '; }

all_on=(--set Crosshair=Tactical --set Grid=Square --set "Scan Line=Radar" --set Corners=on --set "Show Info=on")
all_off=(--baseline Crosshair=Off --baseline Grid=Off --baseline "Scan Line=Off" --baseline Corners=off
         --baseline "Show Info=off")
for size in 1280x720 1920x1080; do
    echo "== $size: every HUD element and the info block on, against all of them off"
    bench --size "$size" "${all_on[@]}" "${all_off[@]}"
    echo "== $size: defaults, against the defaults without corners and info"
    bench --size "$size" --baseline Corners=off --baseline "Show Info=off"
done
