#!/usr/bin/env bash
# Checks the version resource of a Windows binary, as Explorer's Properties show it: the
# version numbers and texts of VERSION (MAJOR.MINOR.PATCH), the product and the copyright.
# Usage: check-version.sh FILE VERSION
set -euo pipefail
file=$1
version=$2
resource=$(x86_64-w64-mingw32-windres -i "$file" -J coff -O rc 2>/dev/null || true)
numbers="${version//./, }, 0"
status=0
for expected in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" "VALUE \"FileVersion\", \"$version\"" \
  "VALUE \"ProductVersion\", \"$version\"" "VALUE \"ProductName\", \"ZAQ Vigilomatronic\"" \
  "VALUE \"LegalCopyright\", \"Copyright (C) "; do
  if ! grep -qF "$expected" <<<"$resource"; then
    echo "FAIL: $(basename "$file")'s version resource lacks: $expected" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "$(basename "$file") version resource: $version"
exit $status
