#!/usr/bin/env bash
# Prints the licence notices of the code from others that the release's binaries contain,
# taken from the sources on this machine: GLEW's header as the Windows build compiled it,
# stb's header, and Debian's copyright file of mingw-w64 for winpthreads.
# Usage: scripts/third-party-notices.sh GLEW_HEADER
set -euo pipefail
GLEW_HEADER=$1
STB_HEADER=${STB_HEADER:-/usr/include/stb/stb_image.h}
MINGW_COPYRIGHT=${MINGW_COPYRIGHT:-/usr/share/doc/mingw-w64-x86-64-dev/copyright}
for file in "$GLEW_HEADER" "$STB_HEADER" "$MINGW_COPYRIGHT"; do
  [ -f "$file" ] || { echo "$file not found" >&2; exit 1; }
done

# The comment blocks before GLEW's include guard, without their comment marks.
glew_notice() {
  sed -n '/^#ifndef __glew_h__/q; p' "$GLEW_HEADER" |
    sed -E 's#^/\*+ ?##; s#^ ?\*+/$##; s#^\*\*( |$)##; s#^ \*( |$)##; s#[[:space:]]+$##'
}

# stb's licence section, at the end of its header.
stb_notice() {
  sed -n '/^This software is available under 2 licenses/,$p' "$STB_HEADER" | sed '/^\*\/$/d; s/^-*$//'
}

# A Debian copyright file's copyright line of one Files paragraph, and the text of a licence
# paragraph (" ." lines are empty lines).
dep5_copyright() {
  awk -v files="$2" '$0 == "Files: " files {found = 1; next} found && /^Copyright:/ {sub(/^Copyright: */, ""); print; exit}' "$1"
}
dep5_license() {
  awk -v name="$2" '$0 == "License: " name {inside = 1; next} inside && /^ / {print; body = 1; next}
    inside {if (body) exit; inside = 0}' "$1" | sed -E 's/^ \.$//; s/^ //'
}

# A heading: the lines given, between two rules.
section() {
  local rule=================================================================================
  printf '\n%s\n' "$rule"
  printf '%s\n' "$@"
  printf '%s\n\n' "$rule"
}

notices() {
  echo "ZAQ Vigilomatronic contains code written by others, used under the licences below."

  section "GLEW, the OpenGL Extension Wrangler Library" \
    "Compiled into the Windows plug-in (ZaqVigilomatronic.dll). On Linux the plug-in and" \
    "vigil-host use the system's own GLEW library instead."
  glew_notice

  section "stb_image and stb_image_write, by Sean Barrett" \
    "stb_image is compiled into both plug-ins (ZaqVigilomatronic.dll and .so) and into" \
    "vigil-host, stb_image_write into vigil-host."
  stb_notice

  section "winpthreads, from the mingw-w64 project" \
    "Compiled into the Windows plug-in, so that it needs no runtime library beside it." \
    "(GCC's own runtime libraries, compiled in too, come under the GCC Runtime Library" \
    "Exception, which asks for no notice.)"
  echo "Copyright (C) $(dep5_copyright "$MINGW_COPYRIGHT" 'mingw-w64-libraries/winpthreads/*')"
  echo
  dep5_license "$MINGW_COPYRIGHT" expat
}

# One empty line at most between paragraphs.
notices | cat -s
