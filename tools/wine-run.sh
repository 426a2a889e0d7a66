#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine: CTest's emulator for the win64 build, and the way
# the run script starts Drawlot.
#
#   tools/wine-run.sh PROGRAM.exe [ARGS...]
#
# DRAWLOT_WINE_DRIVER=null (default) runs on Wine's null graphics driver: windows, dialogs,
# message boxes and common dialogs all work with no X server. DRAWLOT_WINE_DRIVER=x11 uses a
# prefix of its own with the X11 driver, for looking at the program under Xvfb.
#
# The prefix is made once, under a lock, so parallel test runs are safe. The program's exit
# code is passed through: a failed test, a crash or an abort fails the run.
set -u

driver="${DRAWLOT_WINE_DRIVER:-null}"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/drawlot"
export WINEPREFIX="${DRAWLOT_WINEPREFIX:-$cache/wine-$driver}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
mkdir -p "$cache"

# Without the generated glibc locale Wine decodes Linux file names and arguments wrongly
# (Japanese names vanish or turn to junk), even though the code page is right.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  export LOCPATH="$cache/locale"
  if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
    (flock 8; [ -d "$LOCPATH/ja_JP.UTF-8" ] || { mkdir -p "$LOCPATH" &&
      localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8"; }) 8>"$cache/locale.lock"
  fi
fi

make_prefix() {
  rm -rf "$WINEPREFIX"
  "$wine" wineboot.exe -i >/dev/null 2>&1
  "$wineserver" -w

  # The prefix's Desktop, Documents and the like link into $HOME: make them empty folders.
  local user_dir
  for user_dir in "$WINEPREFIX"/drive_c/users/*/; do
    find "$user_dir" -maxdepth 1 -type l | while read -r link; do rm -f "$link"; mkdir -p "$link"; done
  done
  # Started as wine64, Wine does not read its own fonts from /usr/share/wine/fonts.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null

  local reg="$WINEPREFIX/drawlot-setup.reg" graphics="null"
  [ "$driver" = "x11" ] && graphics="x11"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]\r\n"Auto"="1"\r\n"Debugger"="false"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="%s"\r\n\r\n' "$graphics"
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local face
    for face in "ＭＳ ゴシック" "ＭＳゴシック" "ＭＳ Ｐゴシック" "ＭＳ ＵＩ ゴシック" "ＭＳ 明朝" "ＭＳ Ｐ明朝" \
                "MS Gothic" "MS PGothic" "MS UI Gothic" "MS Mincho" "MS PMincho"; do
      printf '"%s"="IPAGothic"\r\n' "$face"
    done
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  "$wine" regedit.exe /S "$reg" >/dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/.drawlot-ready"
}

(
  flock 9
  [ -f "$WINEPREFIX/.drawlot-ready" ] || make_prefix
) 9>"$WINEPREFIX.lock"

# A persistent server, detached from the caller's pipes (CTest waits for every holder of its
# pipe, and Wine's helpers would hold it open).
setsid "$wineserver" -p </dev/null >/dev/null 2>&1 &

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARGS...]" >&2; exit 2; }
output=$(mktemp "${TMPDIR:-/tmp}/drawlot-wine.XXXXXX")
"$wine" "$@" </dev/null >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"
