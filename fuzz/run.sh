#!/usr/bin/env bash
# Builds the overlay decode fuzzer with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, writes the seed files and fuzzes for SECONDS (default 60).
#   fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:?build folder}/fuzz
SECONDS_TO_RUN=${2:-60}
mkdir -p "$OUT/corpus" "$OUT/seeds" "$OUT/findings"

DECODE_SOURCES=(overlay/GuardedDecode.cpp overlay/GifStructure.cpp overlay/JpegCheck.cpp
  overlay/StbImage.cpp overlay/DecodeBudget.cpp)
FLAGS=(-std=c++20 -g -O1 -I"$ROOT" -I/usr/include/stb)

cd "$ROOT"
clang++ "${FLAGS[@]}" -fsanitize=fuzzer,address,undefined \
  "${DECODE_SOURCES[@]}" fuzz/DecodeFuzzer.cpp -o "$OUT/decode-fuzzer"
clang++ "${FLAGS[@]}" fuzz/WriteSeeds.cpp tests/overlay/PictureFiles.cpp -o "$OUT/write-seeds"
"$OUT/write-seeds" "$OUT/seeds"

# Every undefined behaviour stops the run, except the reviewed ones in ubsan.supp.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$ROOT/fuzz/ubsan.supp"
# The decoder may hold up to about 1.5 GiB for the largest picture it accepts.
"$OUT/decode-fuzzer" -max_total_time="$SECONDS_TO_RUN" -timeout=60 -rss_limit_mb=4096 -max_len=65536 \
  -artifact_prefix="$OUT/findings/" -print_final_stats=1 "$OUT/corpus" "$OUT/seeds"
