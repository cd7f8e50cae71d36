#!/usr/bin/env bash
# Set-up, build and run on Debian 12. Run as root on a fresh machine; every command
# installs what is missing first.
#   ./dev.sh test      build with warnings as errors and run every test
#   ./dev.sh test-sanitize  build into build-sanitize/ under ASan+UBSan and run every test
#   ./dev.sh validate  build, then check the library with vigil-host validate --quick
#   ./dev.sh lint      run clang-tidy (.clang-tidy) over our own sources
#   ./dev.sh demo      build and render the demo pictures and videos into out/ (and docs/gallery/)
#   ./dev.sh install   build, then put vigil-host on the PATH (PREFIX, default /usr/local)
#   ./dev.sh windows   cross-build the Windows x64 DLL into build-windows/
#   ./dev.sh test-windows  cross-build, then check the DLL under Wine against Linux
#   ./dev.sh release   build the release afresh and pack it into dist/ (archives, SHA256SUMS)
#   ./dev.sh test-reproducible  build the .so and the DLL again in another folder: same bytes?
#   ./dev.sh fuzz [SECONDS]  fuzz the overlay decoder under ASan+UBSan (default 60 s)
#   ./dev.sh test-tsan  the overlay's loading-thread tests under ThreadSanitizer
#   ./dev.sh test-drivers [DRIVER...]  the tests and validate --quick on llvmpipe, softpipe, zink
#   ./dev.sh deps      install what every command below needs, at once
#   ./dev.sh format    apply the house style (.clang-format) to every C++ file
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${BUILD:-$ROOT/build}
SANITIZE_BUILD=${SANITIZE_BUILD:-$ROOT/build-sanitize}
# Tests and lint run this many at once: every core, at least two and at most eight.
JOBS=$(nproc)
[ "$JOBS" -ge 2 ] || JOBS=2
[ "$JOBS" -le 8 ] || JOBS=8

LINUX_PACKAGES=(cmake ninja-build g++ pkg-config libglew-dev libstb-dev libgtest-dev
  libx11-dev libgl-dev libgl1-mesa-dri libglx-mesa0 xvfb xauth faketime imagemagick clang-format
  ffmpeg xdotool jq)

WINDOWS_BUILD=${WINDOWS_BUILD:-$ROOT/build-windows}
RELEASE_BUILD=${RELEASE_BUILD:-$ROOT/build-release}
WINDOWS_PACKAGES=(cmake ninja-build libstb-dev dpkg-dev g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64)
LINT_PACKAGES=(clang-tidy)
# zink runs GL on Vulkan: lavapipe, Mesa's software Vulkan driver, is its device. glxinfo
# tells which driver really draws.
DRIVER_PACKAGES=(libgl1-mesa-dri mesa-vulkan-drivers mesa-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev libstb-dev imagemagick)
# Installed without recommends: name the X and GL libraries Wine's display driver loads.
WINE_PACKAGES=(wine64 wine xvfb xauth imagemagick libgl1 libgl1-mesa-dri libxrender1 libxrandr2
  libxi6 libxcursor1 libxcomposite1 libxfixes3 libxinerama1 libxxf86vm1)

# Installs the Debian packages that are missing, or says how to when not root.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  ensure_packages "${LINUX_PACKAGES[@]}"
  cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@" >/dev/null
  cmake --build "$BUILD"
}

# Runs a command on a fresh Xvfb display (another display may already be taken).
with_display() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}

# Every tracked C++ file, for the formatter.
cpp_files() {
  git -C "$ROOT" ls-files -z '*.cpp' '*.h'
}

# Everything every command needs, in one installation (CI starts with this).
cmd_deps() {
  ensure_packages "${LINUX_PACKAGES[@]}" "${LINT_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" \
    "${WINE_PACKAGES[@]}" "${DRIVER_PACKAGES[@]}"
}

cmd_format() {
  ensure_packages clang-format
  cpp_files | (cd "$ROOT" && xargs -0 clang-format -i)
}

# Fails, naming the files, when any C++ file is not in the house style.
check_format() {
  local unformatted
  # grep finds nothing in a formatted tree; that is not a failure of the pipeline.
  unformatted=$(cd "$ROOT" && cpp_files | xargs -0 clang-format --dry-run 2>&1 |
    { grep -o '^[^:]*:[0-9]*:[0-9]*: warning' || true; } | cut -d: -f1 | sort -u)
  if [ -n "$unformatted" ]; then
    echo "Not in the house style (run ./dev.sh format):" >&2
    echo "$unformatted" >&2
    return 1
  fi
}

cmd_test() {
  build -DVIGIL_WERROR=ON
  check_format
  with_display ctest --test-dir "$BUILD" --output-on-failure -j"$JOBS" "$@"
}

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer: the first
# report of either fails the test it happens in. Nothing is suppressed. Mesa's driver keeps
# memory for the life of the process in its globals, but libGLX unloads the driver when a
# display closes, and that memory would then show as leaked from an unknown module: preloaded,
# the driver stays, its memory stays reachable, and every leak that remains is a real one.
cmd_test_sanitize() {
  BUILD=$SANITIZE_BUILD build -DVIGIL_SANITIZE=ON -DVIGIL_WERROR=ON
  local driver
  driver=/usr/lib/$(gcc -dumpmachine)/dri/swrast_dri.so
  [ -f "$driver" ] || { echo "Mesa's software driver not found at $driver" >&2; exit 1; }
  # The driver comes before the sanitizer runtime in the preload list; that is harmless here.
  export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:verify_asan_link_order=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  with_display env LD_PRELOAD="$driver" ctest --test-dir "$SANITIZE_BUILD" --output-on-failure -j"$JOBS" "$@"
}

# Our own sources in the build's compile database (Windows-only files are not there).
linux_sources() {
  local file
  git -C "$ROOT" ls-files '*.cpp' | while read -r file; do
    if grep -qF "\"file\": \"$ROOT/$file\"" "$BUILD/compile_commands.json"; then printf '%s\0' "$ROOT/$file"; fi
  done
}

# clang-tidy over our sources and headers, never over stb, GLEW or GoogleTest. The path
# analyser (clang-analyzer) spends minutes in GoogleTest's macros for nothing, so the tests
# get the other checks only. The fuzzer's sources are built by clang outside CMake, so they
# get their flags here.
cmd_lint() {
  ensure_packages "${LINT_PACKAGES[@]}"
  build >/dev/null
  local tidy=(clang-tidy --quiet --warnings-as-errors='*'
    --header-filter="^$ROOT/(abi|effect|fuzz|gl|host|overlay|platform|tests|tools)/")
  # clang reports how many warnings the header filter hid: that count is noise here.
  (
    status=0
    linux_sources | grep -zv "^$ROOT/tests/" | xargs -0 -P"$JOBS" -n4 "${tidy[@]}" -p "$BUILD" || status=1
    linux_sources | grep -z "^$ROOT/tests/" |
      xargs -0 -P"$JOBS" -n4 "${tidy[@]}" --checks='-clang-analyzer-*' -p "$BUILD" || status=1
    git -C "$ROOT" ls-files -z 'fuzz/*.cpp' | (cd "$ROOT" &&
      xargs -0 -P"$JOBS" -I{} "${tidy[@]}" {} -- -std=c++20 -I"$ROOT" -isystem /usr/include/stb) || status=1
    exit $status
  ) 2>&1 | sed '/^[0-9]* warnings\{0,1\} generated\.$/d'
}

# The validator's quick run over our own library, with a fixed seed so a failure replays.
cmd_validate() {
  build
  with_display "$BUILD/tools/vigil-host" validate "$BUILD/ZaqVigilomatronic.so" --quick --seed "${VIGIL_VALIDATE_SEED:-1}"
}

cmd_demo() {
  build
  mkdir -p "$ROOT/out"
  local host="$BUILD/tools/vigil-host" lib="$BUILD/ZaqVigilomatronic.so"
  with_display "$host" info "$lib"
  with_display "$host" thumbnail "$lib" "$ROOT/out/thumbnail.png"
  echo "Wrote out/thumbnail.png"
  # 30 frames: the radar has swept a little and the blinking REC is lit.
  with_display "$host" render "$lib" --input testcard --size 1280x720 --frames 30 \
    --set "Color Mode=Night Vision" --set "Crosshair=Tactical" --set "Grid=Thirds" \
    --set "Scan Line=Radar" --set "Show Info=on" --output "$ROOT/out/demo.png"
  echo "Wrote out/demo.png"
  # Four seconds of motion: the HUD colour turns once round, a glitch comes and goes, and
  # night vision gives way to thermal.
  local motion=(--input testcard --duration 4 --set "Color Mode=Night Vision" --set "Color Mode=Thermal@2s"
    --set "Crosshair=Tactical" --set "Grid=Thirds" --set "Scan Line=Radar" --set "Hue Shift=0..1"
    --set "Glitch=0@0s,0.6@1.2s,0@2.2s")
  "$host" render "$lib" "${motion[@]}" --size 1280x720 --output "$ROOT/out/demo.mp4"
  echo "Wrote out/demo.mp4"
  # Small, for the README: docs/demo.gif is this file.
  "$host" render "$lib" "${motion[@]}" --size 256x144 --fps 10 --output "$ROOT/out/demo.gif"
  echo "Wrote out/demo.gif"
  local mode
  for mode in "Normal" "Night Vision" "Thermal" "Negative"; do
    local file="mode-$(echo "$mode" | tr 'A-Z ' 'a-z-').png"
    with_display "$host" render "$lib" --size 1280x720 --set "Color Mode=$mode" \
      --set "Crosshair=Standard" --output "$ROOT/out/$file"
    echo "Wrote out/$file"
  done
  demo_gallery
}

# Runs vigil-host for the demo with the plug-in's log lines kept in out/demo-host.log,
# shown only when the run fails.
demo_host() {
  "$@" 2>"$ROOT/out/demo-host.log" || { cat "$ROOT/out/demo-host.log" >&2; return 1; }
}

# One sheet of docs/gallery/ (named after the parameter): the parameter, then the options.
# The clock is held at one time (faketime), so the sheet changes only when the drawing does.
gallery_sheet() {
  local name=$1 file
  shift
  file="docs/gallery/$(echo "$name" | tr 'A-Z ' 'a-z-').png"
  demo_host with_display env TZ=UTC faketime -m --exclude-monotonic -f "2026-01-01 21:30:00" \
    "$BUILD/tools/vigil-host" gallery "$BUILD/ZaqVigilomatronic.so" --parameter "$name" "$@" --output "$ROOT/$file"
  echo "Wrote $file"
}

# The contact sheets of vigil-host gallery: every parameter in out/gallery.png, and one
# sheet per parameter in docs/gallery/ for the README and the VJs' guide; the on/off ones
# larger, and the HUD's colour and opacity shown with a crosshair and a grid.
demo_gallery() {
  local host="$BUILD/tools/vigil-host" lib="$BUILD/ZaqVigilomatronic.so"
  demo_host with_display env TZ=UTC faketime -m --exclude-monotonic -f "2026-01-01 21:30:00" \
    "$host" gallery "$lib" --output "$ROOT/out/gallery.png"
  echo "Wrote out/gallery.png"
  mkdir -p "$ROOT/docs/gallery"
  local hud=(--set "Crosshair=Tactical" --set "Grid=Thirds")
  gallery_sheet "Color Mode" --size 256x144 --set "Crosshair=Standard"
  gallery_sheet "HUD Opacity" --size 256x144 "${hud[@]}"
  gallery_sheet "Crosshair" --size 256x144
  gallery_sheet "Corners" --size 480x270
  gallery_sheet "Scan Line" --size 256x144
  gallery_sheet "Grid" --size 256x144
  gallery_sheet "Show Info" --size 480x270
  gallery_sheet "Noise" --size 256x144
  gallery_sheet "Glitch" --size 256x144
  gallery_sheet "Hue Shift" --size 256x144 "${hud[@]}"
  # The file parameter has no values to line up: one frame with the thumbnail as the overlay.
  # Its frames before the picture shows are not counted, so the info block, which counts
  # frames, is off.
  "$host" thumbnail "$lib" "$ROOT/out/thumbnail.png"
  demo_host with_display "$host" render "$lib" --size 480x270 --set "Overlay Image=$ROOT/out/thumbnail.png" \
    --set "Show Info=off" --output "$ROOT/docs/gallery/overlay-image.png"
  echo "Wrote docs/gallery/overlay-image.png"
}

cmd_install() {
  build
  local prefix=${PREFIX:-/usr/local}
  install -D -m 755 "$BUILD/tools/vigil-host" "$prefix/bin/vigil-host"
  install -D -m 644 "$BUILD/ZaqVigilomatronic.so" "$prefix/lib/ffgl/ZaqVigilomatronic.so"
  echo "Installed $prefix/bin/vigil-host and $prefix/lib/ffgl/ZaqVigilomatronic.so"
}

# A Windows build folder, with GLEW's source unpacked from Debian's source package into it.
configure_windows() {
  ensure_packages "${WINDOWS_PACKAGES[@]}"
  "$ROOT/scripts/fetch-glew-source.sh" "$WINDOWS_BUILD/deps" >/dev/null
  cmake -S "$ROOT" -B "$WINDOWS_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" "$@" >/dev/null
}

# The DLL and vigil-host.exe, with GLEW compiled from Debian's source package.
cmd_windows() {
  configure_windows "$@"
  cmake --build "$WINDOWS_BUILD"
  echo "Built $WINDOWS_BUILD/ZaqVigilomatronic.dll"
}

# The Linux build is the reference the Windows build's output is compared with.
cmd_test_windows() {
  build -DVIGIL_WERROR=ON
  cmd_windows -DVIGIL_WERROR=ON
  ensure_packages "${WINE_PACKAGES[@]}"
  "$ROOT/tests/windows/run.sh" "$BUILD" "$WINDOWS_BUILD"
}

# The release, built afresh in build-release/ (Linux .so and vigil-host, Windows DLL) and
# packed into dist/ by scripts/release.sh. Archive entries carry the time of the last
# commit (or SOURCE_DATE_EPOCH), so building the same commit anywhere gives the same bytes.
cmd_release() {
  ensure_packages "${LINUX_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" zip
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct)}
  BUILD=$RELEASE_BUILD/linux build -DVIGIL_WERROR=ON -DBUILD_TESTING=OFF
  WINDOWS_BUILD=$RELEASE_BUILD/windows configure_windows -DVIGIL_WERROR=ON
  cmake --build "$RELEASE_BUILD/windows" --target ZaqVigilomatronic
  "$ROOT/scripts/release.sh" "$RELEASE_BUILD/linux" "$RELEASE_BUILD/windows" "$ROOT/dist"
}

# The test builds' .so and DLL against the same built from a copy of the sources in another
# folder (about a minute and a half on two cores: the plug-in alone, twice).
cmd_test_reproducible() {
  build -DVIGIL_WERROR=ON >/dev/null
  cmd_windows -DVIGIL_WERROR=ON >/dev/null
  "$ROOT/scripts/check-reproducible.sh" "$BUILD" "$WINDOWS_BUILD"
}

# Tests left out on the slower drivers, each minutes long there: the batched HUD held
# against per-primitive drawing over every combination and at full HD (the same driver
# draws both sides), the overlay's downscale quality (computed on the CPU), and the
# overlay-load benchmark (timings). llvmpipe runs them in ./dev.sh test.
SLOW_DRIVER_TESTS='FrameIdentity\.EveryCombination|FullHdIdentity\.|OverlayAtFullHd\.|BenchLoadingAnOverlay\.'

# Sets DRIVER_ENV, the environment that picks the named Mesa driver, and DRIVER_SKIP, the
# tests left out on it; zink is given $2 as its runtime folder.
driver_settings() {
  case $1 in
    llvmpipe) DRIVER_ENV=(GALLIUM_DRIVER=llvmpipe) DRIVER_SKIP='' ;;
    # softpipe offers GL 3.3 core; it draws what 4.1 needs when told to offer 4.1.
    softpipe) DRIVER_ENV=(GALLIUM_DRIVER=softpipe MESA_GL_VERSION_OVERRIDE=4.1 MESA_GLSL_VERSION_OVERRIDE=410)
      DRIVER_SKIP=$SLOW_DRIVER_TESTS ;;
    # zink under Xvfb draws into textures but shows nothing in a window (glxgears alike).
    zink) DRIVER_ENV=(GALLIUM_DRIVER=zink LIBGL_ALWAYS_SOFTWARE=1 XDG_RUNTIME_DIR=$2)
      DRIVER_SKIP="$SLOW_DRIVER_TESTS|PlayWindow\." ;;
    *) echo "No driver named $1: llvmpipe, softpipe or zink" >&2; exit 2 ;;
  esac
}

# Every test (less the slow ones on the slower drivers) and the validator's quick run on
# each named Mesa driver, all three by default. Each run first checks that the driver
# asked for is the one that draws: Mesa falls back to llvmpipe without a word.
cmd_test_drivers() {
  build -DVIGIL_WERROR=ON
  ensure_packages "${DRIVER_PACKAGES[@]}"
  local drivers=("$@") runtime status=0 driver renderer
  [ ${#drivers[@]} -gt 0 ] || drivers=(llvmpipe softpipe zink)
  runtime=$(mktemp -d)  # zink's Vulkan loader wants a private runtime folder
  for driver in "${drivers[@]}"; do
    driver_settings "$driver" "$runtime"
    renderer=$(with_display env "${DRIVER_ENV[@]}" glxinfo -B | sed -n 's/^OpenGL renderer string: //p')
    echo "== $driver: $renderer"
    case $renderer in "$driver"*) ;; *) echo "$driver is not the driver that draws" >&2; status=1; continue ;; esac
    with_display env "${DRIVER_ENV[@]}" ctest --test-dir "$BUILD" --output-on-failure -j"$JOBS" \
      ${DRIVER_SKIP:+-E "$DRIVER_SKIP"} || status=1
    with_display env "${DRIVER_ENV[@]}" "$BUILD/tools/vigil-host" validate "$BUILD/ZaqVigilomatronic.so" --quick \
      --seed "${VIGIL_VALIDATE_SEED:-1}" || status=1
  done
  rm -rf "$runtime"
  return $status
}

# Only the loading thread's tests (no GL), so the instrumented build stays small.
cmd_test_tsan() {
  ensure_packages "${LINUX_PACKAGES[@]}"
  local tsan_build=${TSAN_BUILD:-$ROOT/build-tsan}
  cmake -S "$ROOT" -B "$tsan_build" -G Ninja -DVIGIL_TSAN=ON >/dev/null
  cmake --build "$tsan_build" --target overlay_loader_tests
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "$tsan_build/tests/overlay_loader_tests"
}

# libFuzzer on the overlay decode path; findings land in $BUILD/fuzz/findings/.
cmd_fuzz() {
  ensure_packages "${FUZZ_PACKAGES[@]}"
  "$ROOT/fuzz/run.sh" "$BUILD" "${1:-60}"
}

case "${1:-}" in
  deps) shift; cmd_deps ;;
  test) shift; cmd_test "$@" ;;
  test-sanitize) shift; cmd_test_sanitize "$@" ;;
  lint) shift; cmd_lint ;;
  validate) shift; cmd_validate ;;
  demo) shift; cmd_demo "$@" ;;
  build) shift; build "$@" ;;
  install) shift; cmd_install ;;
  windows) shift; cmd_windows "$@" ;;
  test-windows) shift; cmd_test_windows ;;
  release) shift; cmd_release ;;
  test-reproducible) shift; cmd_test_reproducible ;;
  fuzz) shift; cmd_fuzz "$@" ;;
  test-tsan) shift; cmd_test_tsan ;;
  test-drivers) shift; cmd_test_drivers "$@" ;;
  format) shift; cmd_format ;;
  *) sed -n '2,/^set /{/^#/p}' "$0"; exit 2 ;;
esac
