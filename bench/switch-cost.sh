#!/bin/bash
# The frames after each change of settings: one parameter at a time, through every colour
# mode with glitch, noise and scan glow each on and off (all 32 processing variants of an
# unpadded input), at 60 frames a second, 10 frames apart, after timing the creation of
# five instances (vigil-host bench --switch-to).
# usage: bench/switch-cost.sh [BUILD_DIR] [SIZE] [LIBRARY] [--pad]    (run it under xvfb-run -a)
set -eu
build=${1:-build}
size=${2:-1920x1080}
plugin=${3:-$build/ZaqVigilomatronic.so}
shift $(($# < 3 ? $# : 3))
# Each step turns one of glitch, noise and scan glow on or off (a Gray code), so that the
# eight steps of a colour mode meet every combination of the three once.
toggles=("Glitch" "Noise" "Glitch" "Scan Line" "Glitch" "Noise" "Glitch")
declare -A on=([Glitch]=0 [Noise]=0 ["Scan Line"]=0)
value() {
    case "$1:$2" in
        Glitch:1 | Noise:1) echo 0.5 ;;
        Glitch:0 | Noise:0) echo 0 ;;
        "Scan Line:1") echo Horizontal ;;
        *) echo Off ;;
    esac
}
switches=()
for mode in Normal "Night Vision" Thermal Negative; do
    [ "$mode" = Normal ] || switches+=(--switch-to "Color Mode=$mode")
    for name in "${toggles[@]}"; do
        on[$name]=$((1 - on[$name]))
        switches+=(--switch-to "$name=$(value "$name" "${on[$name]}")")
    done
done
"$build/tools/vigil-host" bench "$plugin" --size "$size" --warmup 30 --set Corners=off --set "Show Info=off" \
    "$@" "${switches[@]}" 2>&1 | grep -v ' frame [123], '
