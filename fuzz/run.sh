#!/usr/bin/env bash
# Builds the overlay decode fuzzer with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, writes the seed files and fuzzes for SECONDS (default 60).
#   fuzz/run.sh BUILD_DIR [SECONDS]
# VIGIL_FUZZ_SEED fixes libFuzzer's random seed (CI uses one, so that its run starts the
# same way every time); unset, every run takes a new one.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${1:?build folder}/fuzz
SECONDS_TO_RUN=${2:-60}
mkdir -p "$OUT/corpus" "$OUT/seeds" "$OUT/findings"

DECODE_SOURCES=(overlay/loading/GuardedDecode.cpp overlay/loading/GifStructure.cpp
  overlay/loading/JpegCheck.cpp overlay/loading/StbImage.cpp overlay/loading/DecodeBudget.cpp overlay/PictureScale.cpp)
FLAGS=(-std=c++20 -g -O1 -I"$ROOT" -isystem /usr/include/stb)

cd "$ROOT"
clang++ "${FLAGS[@]}" -fsanitize=fuzzer,address,undefined \
  "${DECODE_SOURCES[@]}" fuzz/DecodeFuzzer.cpp -o "$OUT/decode-fuzzer"
clang++ "${FLAGS[@]}" fuzz/WriteSeeds.cpp tests/overlay/PictureFiles.cpp -o "$OUT/write-seeds"
"$OUT/write-seeds" "$OUT/seeds"
# Files the decoder once misread.
cp "$ROOT"/tests/overlay/files/* "$OUT/seeds/"
# Shapes our own encoders do not write: progressive JPEG, interlaced and 16-bit PNG,
# palette PNG and BMP, run-length TGA, interlaced GIF.
if command -v convert >/dev/null; then
  picture=(-size 24x16 gradient:red-blue)
  # PNGs without date chunks, so that every run starts from the same bytes.
  undated=(-define png:exclude-chunks=date,time)
  convert "${picture[@]}" -interlace JPEG "$OUT/seeds/progressive.jpg"
  convert "${picture[@]}" "${undated[@]}" -interlace PNG "PNG48:$OUT/seeds/interlaced16.png"
  convert "${picture[@]}" "${undated[@]}" -colors 8 "PNG8:$OUT/seeds/palette.png"
  convert "${picture[@]}" -colors 8 -type Palette "BMP3:$OUT/seeds/palette.bmp"
  convert "${picture[@]}" -compress RLE "$OUT/seeds/rle.tga"
  convert "${picture[@]}" -interlace GIF "$OUT/seeds/interlaced.gif"
fi

# Every undefined behaviour stops the run, except the reviewed ones in ubsan.supp.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$ROOT/fuzz/ubsan.supp"
# The decoder may hold up to about 1.5 GiB for the largest picture it accepts, and under the
# sanitizers a legitimate 8192-pixel picture takes up to about 25 s here: the timeout
# leaves room for a slower machine and still stops a decoder that hangs.
"$OUT/decode-fuzzer" -max_total_time="$SECONDS_TO_RUN" -timeout=120 -rss_limit_mb=4096 -max_len=65536 \
  -seed="${VIGIL_FUZZ_SEED:-0}" -artifact_prefix="$OUT/findings/" -print_final_stats=1 "$OUT/corpus" "$OUT/seeds"
