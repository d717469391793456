# Shared by scripts/test and scripts/run: installs what is missing, builds, and sets up wine.
# shellcheck shell=bash
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# The stripped i686 release may not grow past this (bytes): 712 KiB with the profile editors,
# the read-back of applied profiles and the battery history, and no printf or scanf; 738 KiB
# with the charge alerts and the battery's health (its device reader, log and chart); 750 KiB
# with the master volume on Vista's Core Audio endpoint (its COM adapter and callbacks), the
# proxy override list and the network shell batches in the OEM code page; 766 KiB with the
# command line (its parser, the hand-over to the running program, the translated usage) and the
# MAC write through the program started elevated; 773 KiB with the review's faults mended (the
# proxy put back after a declined elevation, the IP result's own first line and duplicate
# check, a dump that does not name the connection); 554 KiB with every feature once the whole
# program is optimised at the link, the library's old string, thread management and clocks
# are out, and the pictures are palette-coded (bench/README.md); 562.5 KiB aware of each
# monitor's DPI. The goal is 600,000 bytes.
RELEASE_SIZE_BUDGET=$((568 * 1024))

log() { printf '\n== [%s, %ds] %s\n' "$(date +%T)" "$SECONDS" "$*"; }

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
  command -v optipng >/dev/null || need+=(optipng)
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

# The test builds keep line tables only (-g1): full debug information doubled their compile
# time and nobody reads it in a test run. The native build stays at -O2 for its benchmarks;
# the Windows tests run at -O1, as the sanitizer build does.
build_native() {
  log "Native build"
  configure_build "$BUILD/native" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
  cmake --build "$BUILD/native" -j "$JOBS"
}

# clang with its sanitizer and libFuzzer runtimes, for the sanitizer build and the fuzz targets.
ensure_fuzz_deps() {
  local need=()
  command -v clang++ >/dev/null || need+=(clang)
  if ! echo 'int main(){}' | clang++ -x c++ -fsanitize=fuzzer-no-link,address,undefined - \
    -o /dev/null >/dev/null 2>&1 ||
    ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    need+=(libclang-rt-dev)
  fi
  if [ ${#need[@]} -gt 0 ]; then
    log "Installing: ${need[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
  fi
}

# The native build under AddressSanitizer and UndefinedBehaviorSanitizer, with clang: the
# test suite and the fuzz targets (build/sanitize); only the targets named, where any are.
build_sanitize() {
  log "Sanitizer build (clang, AddressSanitizer, UndefinedBehaviorSanitizer, fuzz targets)"
  CC=clang CXX=clang++ configure_build "$BUILD/sanitize" -DQ_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
  cmake --build "$BUILD/sanitize" -j "$JOBS" ${1:+--target "$@"}
}

build_win64() {
  log "Windows x86_64 build"
  configure_build "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
  cmake --build "$BUILD/win64" -j "$JOBS"
  # The Polish windows are tested under a Polish locale, whose ANSI code page (Windows-1250)
  # wine takes over: one of our own, made once, leaving the system's locales alone.
  local locale=$BUILD/win64/locale
  if [ ! -d "$locale/pl_PL.UTF-8" ] && command -v localedef >/dev/null; then
    mkdir -p "$locale"
    localedef -i pl_PL -f UTF-8 "$locale/pl_PL.UTF-8" >/dev/null 2>&1 || true
  fi
}

# The same release configuration for x86_64: what bench/footprint runs under wine, since the
# i686 release cannot run on this machine.
build_win64_release() {
  log "Windows x86_64 release build"
  configure_build "$BUILD/win64-release" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQ_BUILD_TESTS=OFF
  cmake --build "$BUILD/win64-release" -j "$JOBS" --target Quonthary quonthary_barewindow
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
  # Q_WINEPREFIX: a prefix of its own (the benchmarks use one, to leave the tests' alone).
  export WINEPREFIX=${Q_WINEPREFIX:-$BUILD/wineprefix} WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
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

# The README's pictures: what the Win32ReadmePictures tests left in build/screenshots/readme,
# compressed (losslessly) into docs/. Each must stay small enough for the repository. A
# picture that came out the same is left as it was, file and time, so that a test run leaves
# the working tree clean.
README_PICTURE_BUDGET=$((60 * 1024))
readme_pictures() {
  local made=$BUILD/screenshots/readme png name size n=0 changed=0 squeezed
  mkdir -p "$ROOT/docs"
  for png in "$made"/*.png; do
    [ -f "$png" ] || { echo "no pictures in $made: did the Win32ReadmePictures tests run?"; return 1; }
    name=$(basename "$png")
    squeezed=$made/$name.optipng
    rm -f "$squeezed"
    optipng -quiet -o2 -strip all -out "$squeezed" "$png"
    size=$(stat -c %s "$squeezed")
    [ "$size" -le "$README_PICTURE_BUDGET" ] ||
      { echo "docs/$name is $size bytes, over $README_PICTURE_BUDGET"; return 1; }
    if cmp -s "$squeezed" "$ROOT/docs/$name"; then
      rm -f "$squeezed"
    else
      mv -f "$squeezed" "$ROOT/docs/$name"
      changed=$((changed + 1))
    fi
    n=$((n + 1))
  done
  echo "$n pictures in docs/, $changed of them changed"
}

# Debian packages the release needs: NSIS for the installer, 7-Zip to check what it holds.
ensure_package_deps() {
  local need=()
  command -v makensis >/dev/null || need+=(nsis)
  command -v 7z >/dev/null || need+=(p7zip-full)
  if [ ${#need[@]} -gt 0 ]; then
    log "Installing: ${need[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
  fi
}

# The program's version, as the build's CMake project sets it (1.0.0.1).
program_version() {
  sed -n 's/^#define Q_VERSION_TEXT "\(.*\)"$/\1/p' "$1/generated/QuontharyVersion.h"
}

# make_packages <build dir> <x86|amd64> <output dir>: the installer and the portable zip
# from a build's Quonthary.exe and the folders the build copied beside it. Prints nothing
# but the two file names; each run replaces what an earlier one left.
make_packages() {
  local build=$1 arch=$2 out=$3
  local version
  version=$(program_version "$build")
  [ -n "$version" ] || { echo "no version in $build" >&2; return 1; }
  local stage=$out/stage-$arch/Quonthary
  rm -rf "$out/stage-$arch"
  mkdir -p "$stage" "$out"
  cp "$build/Quonthary.exe" "$stage/"
  cp -r "$build/Sound" "$build/language" "$build/Skin" "$stage/"

  local suffix=""
  [ "$arch" = x86 ] || suffix="-$arch"
  local setup=$out/Quonthary-$version-setup$suffix.exe
  local zip=$out/Quonthary-$version-portable$suffix.zip
  local defines=(-DVERSION="$version" -DSTAGE="$stage" -DICON="$ROOT/resources/Quonthary.ico"
    -DOUTFILE="$setup")
  [ "$arch" = x86 ] || defines+=(-DAMD64)
  rm -f "$setup" "$zip"
  makensis -V2 -NOCD "${defines[@]}" "$ROOT/scripts/Quonthary.nsi" >"$out/makensis-$arch.log" ||
    { cat "$out/makensis-$arch.log"; return 1; }

  # Portable: the same files with an INI file whose switch keeps the settings beside them.
  cp "$ROOT/resources/portable/Quonthary.ini" "$stage/"
  (cd "$out/stage-$arch" && cmake -E tar cf "$zip" --format=zip Quonthary)
  rm -rf "$out/stage-$arch"
  echo "$setup"
  echo "$zip"
}

# check_packages <installer> <zip>: both hold the program and its folders.
check_packages() {
  local setup=$1 zip=$2 listing f
  local expected=(Quonthary.exe Sound/ACPowerSource.wav Sound/BatterySource.wav
    Sound/NoConnection.wav Sound/VolumeChange.wav Sound/LowCharge.wav Sound/Unplug.wav)
  local skin lng
  # Every language file of the source tree: the English template and its translations.
  for lng in "$ROOT"/resources/language/*.lng; do
    expected+=("language/$(basename "$lng")")
  done
  for skin in "$ROOT"/resources/Skin/*/*; do
    expected+=("Skin/$(basename "$(dirname "$skin")")/$(basename "$skin")")
  done
  listing=$(7z l -ba "$setup" | awk '{print $NF}' | tr '\\' '/')
  for f in "${expected[@]}" Uninstall.exe; do
    grep -qx "$f" <<<"$listing" || { echo "$setup lacks $f"; return 1; }
  done
  listing=$(7z l -ba "$zip" | awk '{print $NF}' | tr '\\' '/')
  for f in "${expected[@]}" Quonthary.ini; do
    grep -qx "Quonthary/$f" <<<"$listing" || { echo "$zip lacks Quonthary/$f"; return 1; }
  done
  local ini
  ini=$(7z e -so "$zip" Quonthary/Quonthary.ini)
  grep -q '^Keep_Settings_in_system_Registry=0' <<<"$ini" ||
    { echo "the portable Quonthary.ini does not keep the settings beside the program"; return 1; }
  echo "$(basename "$setup") and $(basename "$zip") hold the program, sounds, languages and skins"
}

# Installs and uninstalls a package under wine, silently, and checks what each leaves. NSIS
# installers for the release are 32-bit programs, which this wine64 cannot run: the tests
# build the same script as a 64-bit installer around the x86_64 program instead.
test_installer() {
  local setup=$1
  local dir='C:\QuontharyTest\Quonthary' unix=$WINEPREFIX/drive_c/QuontharyTest/Quonthary
  local menu=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/'Start Menu'/Programs/Quonthary
  local run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
  local uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quonthary'
  local f round
  has_value() { "$WINE" reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1; }
  fail() { echo "installer: $*"; return 1; }
  rm -rf "$WINEPREFIX/drive_c/QuontharyTest"
  for round in keep remove; do
    "$WINE" "$setup" /S /CurrentUser "/D=$dir" || fail "setup failed"
    for f in Quonthary.exe Uninstall.exe Sound/ACPowerSource.wav language/English.lng \
      language/Deutsch.lng language/Polski.lng \
      Skin/Ocean/battery.bmp Skin/Ocean/colors.ini; do
      [ -f "$unix/$f" ] || fail "no $f after installing"
    done
    [ -f "$menu/Quonthary.lnk" ] || fail "no Start-menu shortcut"
    has_value "$uninstall" DisplayVersion || fail "no entry in the list of programs"
    # What a run of the program leaves: its start-up entry and its settings.
    "$WINE" reg add "$run" /v Quonthary /d "$dir\\Quonthary.exe" /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Quonthary' /v Alpha /d 200 /f >/dev/null 2>&1
    if [ $round = keep ]; then
      "$WINE" "$unix/Uninstall.exe" /S
    else
      "$WINE" "$unix/Uninstall.exe" /S /RemoveSettings
    fi
    # The uninstaller goes on from a copy of itself: wait for it to finish.
    for f in $(seq 100); do [ -e "$unix" ] || break; sleep 0.2; done
    [ ! -e "$unix" ] || fail "the folder is still there: $(ls -R "$unix")"
    [ ! -e "$menu" ] || fail "the Start-menu folder is still there"
    ! has_value "$run" Quonthary || fail "the start-up entry is still there"
    ! has_value "$uninstall" || fail "still in the list of programs"
    if [ $round = keep ]; then
      has_value 'HKCU\Software\Quonthary' Alpha || fail "settings removed without being asked"
    else
      ! has_value 'HKCU\Software\Quonthary' || fail "settings kept although asked to remove them"
    fi
  done
  echo "installed, uninstalled (settings kept), installed, uninstalled with the settings"
}
