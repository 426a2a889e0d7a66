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
prefix="${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-x11"
# A first run makes the prefix first (about half a minute); then give the window time to show.
for _ in $(seq 120); do [ -f "$prefix/.drawlot-ready" ] && break; sleep 1; done
sleep "${DRAWLOT_SHOT_DELAY:-10}"
import -window root "$shot"
WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k
wait
