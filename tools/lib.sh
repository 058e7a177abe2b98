# Shared by the scripts in tools/: the build folder, the Wine prefix inside it, and the X display.
# Source it; it defines functions and sets no traps of its own.

KAMIFUDA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$KAMIFUDA_ROOT/build}
TOOLCHAIN=${TOOLCHAIN:-$KAMIFUDA_ROOT/cmake/toolchain-mingw-i686.cmake}

export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko installers, no desktop menu entries for the test prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Wine takes the ANSI code page from the locale: Japanese gives code page 932 (Shift_JIS).
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

configure_and_build() {
  cmake -S "$KAMIFUDA_ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_DIR" "$@"
}

# A prefix made before wine32 was installed cannot start 32-bit programs, so it is made here,
# after tools/setup, once per build folder.
ensure_wine_prefix() {
  if [ -f "$WINEPREFIX/.kamifuda-ready" ]; then return 0; fi
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
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 </dev/null
  wineserver -w
  touch "$WINEPREFIX/.kamifuda-ready"
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
