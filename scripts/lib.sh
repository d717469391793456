# Shared by scripts/test and scripts/run: installs what is missing, builds, and sets up wine.
# shellcheck shell=bash
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

log() { printf '\n== %s\n' "$*"; }

# Debian packages this project builds and runs with.
ensure_deps() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v g++ >/dev/null || need+=(g++)
  command -v make >/dev/null || need+=(make)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686-posix)
  command -v x86_64-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-x86-64)
  command -v i686-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-i686)
  command -v x86_64-w64-mingw32-objdump >/dev/null || need+=(binutils-mingw-w64-x86-64)
  [ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || need+=(wine64)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xauth >/dev/null || need+=(xauth)
  [ -d /usr/src/googletest/googletest ] || need+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  [ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
  if [ ${#need[@]} -gt 0 ]; then
    log "Installing: ${need[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
  fi
}

# configure_build <dir> [cmake args...]
configure_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
  fi
}

build_native() {
  log "Native build"
  configure_build "$BUILD/native"
  cmake --build "$BUILD/native" -j "$JOBS"
}

build_win64() {
  log "Windows x86_64 build"
  configure_build "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE"
  cmake --build "$BUILD/win64" -j "$JOBS"
}

build_win32_release() {
  log "Windows i686 release build"
  configure_build "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQ_BUILD_TESTS=OFF
  cmake --build "$BUILD/win32" -j "$JOBS" --target Quonthary
}

find_wine() {
  if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64); fi
  WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
  export WINEPREFIX=$BUILD/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
}

# A Unix path as the programs under wine see it (scripts/run passes one to --screenshot).
# A Unix path as wine's Z: drive shows it.
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

Q_CLEANUP=()
cleanup() {
  local c
  for c in "${Q_CLEANUP[@]:-}"; do [ -n "$c" ] && eval "$c" || true; done
}
trap cleanup EXIT

# A display for wine: the caller's, or a private virtual X server.
ensure_display() {
  if [ -n "${DISPLAY:-}" ]; then return; fi
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  local pid=$!
  Q_CLEANUP+=("kill $pid 2>/dev/null")
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return; sleep 0.1; done
}

# A sound device for wine without a sound card or a sound server: ALSA's null device, which
# takes any sound and plays nothing. With it the multimedia mixer has a speakers line with
# volume and mute, so the real mixer code runs under test.
use_null_sound_device() {
  local system_conf=/usr/share/alsa/alsa.conf conf=$BUILD/alsa-null-device.conf
  [ -f "$system_conf" ] || return 0
  mkdir -p "$BUILD"
  printf 'pcm.!default { type null }\n' >"$conf"
  export ALSA_CONFIG_PATH="$system_conf:$conf"
}

# A persistent wineserver, an initialised prefix, and a virtual desktop named "shell" with a
# taskbar, so that every program under test runs on the same 1024x768 desktop.
start_wine() {
  find_wine
  ensure_display
  use_null_sound_device
  mkdir -p "$WINEPREFIX"
  "$WINESERVER" -p
  Q_CLEANUP+=("'$WINESERVER' -k 2>/dev/null")
  if [ ! -f "$WINEPREFIX/.quonthary-ready" ]; then
    log "Preparing the wine prefix"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
    touch "$WINEPREFIX/.quonthary-ready"
  else
    "$WINE" wineboot >/dev/null 2>&1 || true
  fi
  "$WINE" explorer /desktop=shell,1024x768 >/dev/null 2>&1 &
  local i
  for i in $(seq 30); do
    sleep 0.5
    # The desktop is up once explorer's window station answers a trivial program.
    "$WINE" cmd /c exit 0 >/dev/null 2>&1 && break
  done
}
