#!/usr/bin/env bash
# Photographs the printer list dialog and the environment dialog of Drawlot under Wine in a
# 1024 x 768 virtual desktop under Xvfb, over the demo workspace and the test printers of a
# private CUPS, into docs/printer-list.png and docs/environment-dialog.png.
#
#   tools/shoot-dialogs.sh        (after building the win64 preset)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
build="$top/build/win64"
poster="$build/tests/e2e/drawlot_command_poster.exe"
[ -f "$poster" ] || { echo "build the win64 preset first" >&2; exit 1; }

cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-cups-shots.XXXXXX")
work=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-shots.XXXXXX")
trap 'bash tools/test-cups.sh stop "$cups_dir"; rm -rf "$work"' EXIT
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups_dir")
export CUPS_SERVER DRAWLOT_WINE_DRIVER=x11
# A prefix of its own with the X11 driver.
export DRAWLOT_WINEPREFIX="${DRAWLOT_SHOTS_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-x11-shots}"

shoot() {  # COMMAND_ID SHOT
  bash tools/prepare-demo.sh "$work/demo"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    cd "$1" && "$2/tools/wine-run.sh" explorer /desktop=shell,1024x768 "$3" "$4" \
      "$2/build/win64/src/win/Drawlot.exe" >/dev/null 2>&1 &
    for _ in $(seq 120); do [ -f "$1/posted.txt" ] && break; sleep 1; done
    import -window root "$5"
    WINEPREFIX="$DRAWLOT_WINEPREFIX" /usr/lib/wine/wineserver -k
    wait' shoot "$work/demo" "$top" "$poster" "$1" "$2"
}

shoot 37831 "$top/docs/printer-list.png"
shoot 41 "$top/docs/environment-dialog.png"
