#!/usr/bin/env bash
# Runs a Windows program of the win32 build under wine: the emulator CMake and CTest put
# before every test program. The wine prefix is a folder of the build tree (made on
# first use), and one wineserver stays up for it (-p) while programs come and go, so
# that each starts in a fraction of a second.
set -euo pipefail
program=$1
build=$(cd "$(dirname "$program")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine: nothing here needs them, and wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$WINEPREFIX/.made" ]; then
  mkdir -p "$WINEPREFIX"
  # Test programs may start side by side: one makes the prefix, the others wait for it.
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.made" ]; then
      wineserver -p300
      wineboot -i >/dev/null 2>&1
      touch "$WINEPREFIX/.made"
    fi
  ) 9>"$build/wine.lock"
fi
# Stays up for five minutes after the last program; exits 2 when one is already up.
wineserver -p300 2>/dev/null || true
# A console program's text-mode standard output ends lines with "\r\n"; the readers of
# test output (CTest, GoogleTest's test discovery) expect "\n".
wine "$@" | tr -d '\r'
