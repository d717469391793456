#!/usr/bin/env bash
# The windows at 120, 144, 192 and 96 DPI (tests/win32/Win32DpiWindowsTest.cpp). A program
# reads the system's DPI ("LogPixels") when it starts, so each DPI gets a run of its own: the
# value set, then the test program on a desktop of its own, as many pixels big as 1024 x 768
# design pixels are at that DPI. The prefix's default DPI is back afterwards.
# Usage: dpi-runs.sh WINE TEST_PROGRAM (run by ctest's wine.dpi in the Windows build folder);
# Q_DPIS="144" runs only those.
set -u
wine=$1
program="Z:${2//\//\\}"
key='HKCU\Control Panel\Desktop'
# The desktops (up to 2048 x 1536) on a display of their own, bigger than the test display,
# whose pointer must stay on the 1024 x 768 test desktop for wine to move it.
n=190
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
display=$!
trap '"$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1; kill $display 2>/dev/null' EXIT
for i in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
export DISPLAY=":$n"
failed=()
for dpi in ${Q_DPIS:-120 144 192 96}; do
  "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  result=dpi-$dpi.xml
  rm -f "$result"
  echo "== $dpi DPI"
  Q_DPI=$dpi "$wine" explorer "/desktop=dpi$dpi,$((1024 * dpi / 96))x$((768 * dpi / 96))" \
    "$program" --gtest_filter='Win32Dpi*' --gtest_output="xml:$result"
  # The desktop's launcher does not pass the program's exit code on: its report does.
  grep -q '<testsuites tests="4" failures="0" disabled="0" errors="0"' "$result" 2>/dev/null ||
    failed+=("$dpi")
done
[ ${#failed[@]} -eq 0 ] || { echo "failed at ${failed[*]} DPI"; exit 1; }
