# Shared by the scripts in tools/: the two builds and which of them this host runs, the Wine
# prefix, and the X display. Source it; it defines functions and sets no traps of its own.

KAMIFUDA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The 32-bit build lives in BUILD_DIR, the 64-bit one beside it; both share one Wine prefix.
BUILD_DIR=${BUILD_DIR:-$KAMIFUDA_ROOT/build}

export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installers, no desktop menu entries for the test prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Wine takes the ANSI code page from the locale: Japanese gives code page 932 (Shift_JIS).
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

# The builds are named for the archives they go into: win32 (i686) and win64 (x86_64).
build_dir_of() {
  case $1 in
    win32) echo "$BUILD_DIR" ;;
    win64) echo "$BUILD_DIR-x64" ;;
    *) echo "unknown build $1" >&2; return 1 ;;
  esac
}

toolchain_of() {
  case $1 in
    win32) echo "$KAMIFUDA_ROOT/cmake/toolchain-mingw-i686.cmake" ;;
    win64) echo "$KAMIFUDA_ROOT/cmake/toolchain-mingw-x86_64.cmake" ;;
    *) echo "unknown build $1" >&2; return 1 ;;
  esac
}

build_description() {
  case $1 in
    win32) echo "32-bit (win32)" ;;
    win64) echo "64-bit (win64)" ;;
  esac
}

# configure_and_build BUILD [cmake --build arguments...]
configure_and_build() {
  local build=$1
  shift
  local dir
  dir=$(build_dir_of "$build")
  cmake -S "$KAMIFUDA_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of "$build")" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" "$@"
}

# Which builds' programs this host can run, decided here once for every script. Some hosts refuse
# i386 code altogether (the kernel's IA-32 emulation is off): there Wine's 32-bit loader cannot
# start, /usr/bin/wine (which prefers it whenever it is installed) fails for every program, and
# Wine's 64-bit loader runs the 64-bit build. KAMIFUDA_HOST=64 makes that choice on any host, to
# try the 64-bit-only path where 32-bit programs would run.
#
# Call it after tools/setup has installed Wine. It sets
#   HOST_BUILDS   the builds whose programs run here, all of them tested; the first is the one
#                 tools/run, tools/bench and tools/screenshots use (32-bit where it runs: the
#                 program most Windows users take)
#   HOST_KIND     the reason, in words, for the first line of a script's output
#   PROGRAM_BUILD, PROGRAM_DIR   the first build and its folder
# and, on a 64-bit-only host, puts the 64-bit loader first in PATH.
decide_host_builds() {
  if [ "${KAMIFUDA_HOST:-}" != 64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    HOST_BUILDS=(win32 win64)
    HOST_KIND="this host runs 32-bit and 64-bit programs"
  else
    HOST_BUILDS=(win64)
    if [ "${KAMIFUDA_HOST:-}" = 64 ]; then
      HOST_KIND="64-bit programs only, as KAMIFUDA_HOST=64 asks"
    else
      HOST_KIND="this host runs 64-bit programs only (Wine's 32-bit loader cannot start here)"
    fi
    use_wine64_loader
  fi
  PROGRAM_BUILD=${HOST_BUILDS[0]}
  PROGRAM_DIR=$(build_dir_of "$PROGRAM_BUILD")
}

# Every Wine call of the scripts and of ctest (whose emulator is `wine`) finds `wine` in PATH;
# wineboot, regedit and the other Wine programs call `wine-stable`. Both go to the 64-bit loader.
use_wine64_loader() {
  local bin=$BUILD_DIR/wine64-loader name
  mkdir -p "$bin"
  for name in wine wine-stable; do
    printf '#!/bin/sh\n# Written by tools/lib.sh: this host runs 64-bit programs only.\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
      >"$bin/$name"
    chmod +x "$bin/$name"
  done
  case ":$PATH:" in *":$bin:"*) ;; *) export PATH="$bin:$PATH" ;; esac
  WINE_LOADER_KIND=64
}

# A prefix made before wine32 was installed cannot start 32-bit programs, so it is made here,
# after tools/setup, once per build folder, and made again when the loader that made it changes.
# Its windows are unmanaged: on a virtual display no window manager ever comes, and Wine would
# wait up to 2 s for one at every hide of a framed window. Activation, focus and z-order are
# Wine's own either way.
ensure_wine_prefix() {
  local ready="$WINEPREFIX/.kamifuda-ready" loader=${WINE_LOADER_KIND:-default}
  if [ -f "$ready" ] && [ "$(cat "$ready")" = "$loader" ]; then return 0; fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null || true
  wineserver -w
  # "ＭＳ Ｐゴシック" does not exist under Wine: map it to IPAPGothic so text sizes are stable.
  # No crash dialog: a crashing program must simply end.
  local reg="$WINEPREFIX/kamifuda.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 </dev/null
  wineserver -w
  echo "$loader" >"$ready"
}

# Runs tools/setup with its output in a log, so that a script's first line is its own; the log is
# shown when set-up fails, and set-up's own lines (warnings, its result) are shown either way.
# run_setup [extra package...]
run_setup() {
  local log
  log=$(mktemp)
  if ! "$KAMIFUDA_ROOT/tools/setup" "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  SETUP_SUMMARY=$(grep '^setup:' "$log" || true)
  rm -f "$log"
}

# set_window_management Y|N: whether Wine lets a window manager frame the prefix's windows. The
# prefix is made unmanaged; on a real display with a window manager, dialogs want their frames.
set_window_management() {
  local want=$1 mark="$WINEPREFIX/.kamifuda-managed"
  [ -f "$mark" ] && [ "$(cat "$mark")" = "$want" ] && return 0
  [ ! -f "$mark" ] && [ "$want" = N ] && return 0
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$want" /f >/dev/null 2>&1 </dev/null
  echo "$want" >"$mark"
}

display_works() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

# Starts a private virtual display and exports DISPLAY; XVFB_PID tells the caller what to stop.
start_virtual_display() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

stop_virtual_display() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=; }

# A persistent wineserver, warmed up once: otherwise Wine's background services inherit the
# output pipe of ctest and ctest waits for ever.
start_wineserver() {
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop_wineserver() { wineserver -k 2>/dev/null || true; }
