#!/usr/bin/env bash
# Inside an X server (run.sh starts it under Xvfb): starts Drawlot under Wine in the given
# start-up folder, photographs the whole screen once the window is up, and ends Wine's
# processes of the X11 prefix.
#
#   photograph.sh START_UP_FOLDER SHOT.png
set -u
top="$(cd "$(dirname "$0")/.." && pwd)"
folder=$1 shot=$2
(cd "$folder" && DRAWLOT_WINE_DRIVER=x11 "$top/tools/wine-run.sh" explorer \
  /desktop=shell,1024x768 "$top/build/win64/src/win/Drawlot.exe") &
prefix="${DRAWLOT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-x11}"
# A first run makes the prefix first (about half a minute); then give the window time to show.
for _ in $(seq 120); do [ -f "$prefix/.drawlot-ready" ] && break; sleep 1; done
sleep "${DRAWLOT_SHOT_DELAY:-10}"
# DRAWLOT_SHOT_DRIVER: a Windows program (with its arguments) that first drives the window
# into the state to photograph (tools/photograph-editing.sh).
if [ -n "${DRAWLOT_SHOT_DRIVER:-}" ]; then
  # shellcheck disable=SC2086
  # On the program's own desktop, where its windows are.
  DRAWLOT_WINE_DRIVER=x11 "$top/tools/wine-run.sh" explorer /desktop=shell,1024x768 \
    $DRAWLOT_SHOT_DRIVER || echo "photograph: the driver failed ($?)" >&2
  sleep 4
fi
import -window root "$shot"
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k
wait
