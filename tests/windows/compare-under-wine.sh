#!/usr/bin/env bash
# Runs inside one X display: makes the Linux build's host and the Windows build's host
# (under Wine, in a fresh prefix) do the same work and compares what they wrote: the
# info listing and the thumbnail byte for byte, rendered scenes pixel by pixel.
# Usage: compare-under-wine.sh LINUX_BUILD WINDOWS_BUILD WORK_FOLDER
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
LINUX_HOST=$1/tools/vigil-host
LINUX_LIB=$1/ZaqVigilomatronic.so
WINDOWS_HOST=$2/tools/vigil-host.exe
WINDOWS_LIB=$2/ZaqVigilomatronic.dll
WINDOWS_BUILD=$2
WORK=$3
# Largest difference of any colour channel, in 8-bit steps, that still counts as equal.
TOLERANCE=${VIGIL_WINDOWS_TOLERANCE:-2}

export WINEPREFIX=$WORK/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine maps Linux file names and arguments through the locale's character set: without a
# UTF-8 locale, non-ASCII names would not survive the trip.
export LC_ALL=C.UTF-8
mkdir -p "$WORK/linux" "$WORK/windows"
wineboot -i >/dev/null 2>&1
# One server for all runs, stopped at the end so no Wine process outlives the display.
wineserver -p
trap 'wineserver -k 2>/dev/null' EXIT

passed=0
failed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# A Linux path as Wine's Z: drive sees it.
windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

linux_host() { "$LINUX_HOST" "$@"; }
# Windows ends lines with CR LF; its texts are compared without the CR.
windows_host() { wine "$WINDOWS_HOST" "$@" | sed 's/\r$//'; }

# Both listings name their own library file; the rest must match byte for byte.
check_info() {
  linux_host info "$LINUX_LIB" | sed "s|$LINUX_LIB|LIBRARY|g" >"$WORK/linux/info.txt"
  windows_host info "$(windows_path "$WINDOWS_LIB")" |
    sed "s|$(windows_path "$WINDOWS_LIB" | sed 's/\\/\\\\/g')|LIBRARY|g" >"$WORK/windows/info.txt"
  if [ -s "$WORK/linux/info.txt" ] && cmp -s "$WORK/linux/info.txt" "$WORK/windows/info.txt"; then
    pass "info listing identical ($(wc -l <"$WORK/linux/info.txt") lines)"
  else
    fail "info listing differs:"; diff "$WORK/linux/info.txt" "$WORK/windows/info.txt" | head -20
  fi
}

check_thumbnail() {
  linux_host thumbnail "$LINUX_LIB" "$WORK/linux/thumbnail.png" >/dev/null
  windows_host thumbnail "$(windows_path "$WINDOWS_LIB")" "$(windows_path "$WORK/windows/thumbnail.png")" >/dev/null
  if [ -s "$WORK/linux/thumbnail.png" ] && cmp -s "$WORK/linux/thumbnail.png" "$WORK/windows/thumbnail.png"; then
    pass "thumbnail PNG identical ($(stat -c %s "$WORK/linux/thumbnail.png") bytes)"
  else
    fail "thumbnail PNG differs or is missing"
  fi
}

source "$HERE/pictures.sh"

# Renders one scene with both builds; the arguments are those of "vigil-host render".
render_both() {
  local name=$1; shift
  local linux_out="$WORK/linux/$name.png" windows_out="$WORK/windows/$name.png"
  linux_host render "$LINUX_LIB" "$@" --output "$linux_out" 2>"$WORK/linux/$name.log" >/dev/null
  windows_host render "$(windows_path "$WINDOWS_LIB")" "$@" --output "$(windows_path "$windows_out")" \
    2>"$WORK/windows/$name.log" >/dev/null
}

check_scene() {
  local name=$1; shift
  render_both "$name" "$@"
  compare_scene "$name" "$WORK/linux/$name.png" "$WORK/windows/$name.png" "$TOLERANCE"
}

check_scenes() {
  local line fields
  while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    IFS='|' read -r -a fields <<<"$line"
    check_scene "${fields[@]}"
  done <"$HERE/scenes.txt"
}

# The plug-in's log lines reach the host alike (the first-frames lines of a render).
check_log_lines() {
  local linux_log windows_log
  linux_log=$(sed "s|$(basename "$LINUX_LIB")|LIBRARY|g" "$WORK/linux/normal.log")
  windows_log=$(sed "s|$(basename "$WINDOWS_LIB")|LIBRARY|g; s|\r$||" "$WORK/windows/normal.log")
  if [ -n "$linux_log" ] && [ "$linux_log" = "$windows_log" ]; then
    pass "log lines identical ($(wc -l <<<"$linux_log") lines)"
  else
    fail "log lines differ:"; diff <(echo "$linux_log") <(echo "$windows_log") | head -10
  fi
}

source "$HERE/overlays.sh"

# The platform layer's file opening, on its own: each of its lines is a check.
check_file_open() {
  local folder="$WORK/names" output status line
  mkdir -p "$folder"
  output=$(wine "$WINDOWS_BUILD/file-open-check.exe" "$(windows_path "$folder")" 2>&1)
  status=$?
  while IFS= read -r line; do
    case "$line" in
      ok:*) pass "file names:${line#ok:}" ;;
      *) fail "file names: $line" ;;
    esac
  done < <(tr -d '\r' <<<"$output")
  [ "$status" -eq 0 ] || fail "file-open-check exited with $status"
}

# Shader compile errors go to standard output and to the debugger channel, which Wine
# traces as OutputDebugStringA calls: the text first, then a line feed of its own.
check_shader_diagnostics() {
  local output trace
  output=$(WINEDEBUG=-all,+debugstr wine "$WINDOWS_BUILD/shader-diagnostics-check.exe" 2>"$WORK/debugstr.log" |
    sed 's/\r$//')
  trace=$(grep -o 'OutputDebugStringA .*' "$WORK/debugstr.log")
  if grep -q '^ok:' <<<"$output" && grep -q '^Vertex Shader error: ' <<<"$output"; then
    pass "shader diagnostics on standard output"
  else
    fail "shader diagnostics on standard output: $output"
  fi
  if grep -q '^OutputDebugStringA "Vertex Shader error: ' <<<"$trace" &&
    grep -qx 'OutputDebugStringA "\\n"' <<<"$trace"; then
    pass "shader diagnostics on the debugger channel"
  else
    fail "shader diagnostics on the debugger channel: $trace"
  fi
}

# The validator's quick run, the host and the DLL both Windows builds. Its debug-output
# group must have had a debug context through WGL, or it saw nothing of the DLL's calls.
check_validate() {
  local output
  if output=$(windows_host validate "$(windows_path "$WINDOWS_LIB")" --quick --seed 1 2>&1); then
    pass "vigil-host.exe validate --quick: $(tail -n 1 <<<"$output")"
  else
    fail "vigil-host.exe validate --quick:"; tail -n 40 <<<"$output"
  fi
  if grep -q '^  debug-output ' <<<"$output" && ! grep -q 'debug-output / debug-context' <<<"$output"; then
    pass "vigil-host.exe validate: GL debug output seen in a WGL debug context"
  else
    fail "vigil-host.exe validate: no GL debug output through WGL:"; grep -A2 'debug-output' <<<"$output"
  fi
}

check_info
check_thumbnail
check_validate
check_scenes
check_log_lines
check_file_open
check_shader_diagnostics
check_overlays
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
