#!/bin/bash
# The processing pass's cost in each setting at 1920x1080, against a plain texture copy
# of the same size drawn frame by frame in turn in the same process (vigil-host bench
# --copy-baseline), with the corners and the info block off. One line per setting: the
# medians of the frame and of the copy in wall ms, and their ratio.
# usage: bench/processing-cost.sh [BUILD_DIR] [FRAMES] [LIBRARY]    (run it under xvfb-run -a)
set -eu
build=${1:-build}
frames=${2:-100}
host="$build/tools/vigil-host"
plugin=${3:-$build/ZaqVigilomatronic.so}
row() {
    local label=$1
    shift
    "$host" bench "$plugin" --size 1920x1080 --frames "$frames" --warmup 10 --copy-baseline \
        --set Corners=off --set "Show Info=off" "$@" 2>/dev/null |
        awk -v label="$label" '/median ms\/frame/ { frame = $3; copy = $4 }
            END { printf "%-28s %8.1f %8.1f %6.2f\n", label, frame, copy, frame / copy }'
}
printf "%-28s %8s %8s %6s\n" setting "frame ms" "copy ms" ratio
row "defaults"
row "Night Vision" --set "Color Mode=Night Vision"
row "Thermal" --set "Color Mode=Thermal"
row "Negative" --set "Color Mode=Negative"
row "Noise 0.5" --set "Noise=0.5"
row "Glitch 0.5" --set "Glitch=0.5"
row "Scan Line Radar (glow)" --set "Scan Line=Radar"
row "all of these" --set "Color Mode=Night Vision" --set "Noise=0.5" --set "Glitch=0.5" --set "Scan Line=Radar"
