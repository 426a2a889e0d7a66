#!/usr/bin/env bash
# Photographs Drawlot under Wine: the main window and every dialog, on a copy of the demo
# workspace with the test printers of a private CUPS, into docs/ (the README and the help pages
# show them). Installs what is missing and builds the win64 preset first.
#
#   photograph-all.sh [STEPS_FILE]
#
# The steps (tools/photographs.steps unless given) are those of the end-to-end box driver; each
# "shot NAME" becomes docs/NAME.png.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

if [ "${1:-}" = "--inside-x" ]; then
  # Inside Xvfb: Drawlot in a Wine desktop, the driver beside it, a photograph per request.
  demo=$2 steps=$3
  export DRAWLOT_WINE_DRIVER=x11
  unset DRAWLOT_WINEPREFIX  # the photographs need the prefix of the X11 driver
  (cd "$demo" && tools_run="$top/tools/wine-run.sh" &&
    "$tools_run" explorer /desktop=shell,1024x768 "$top/build/win64/src/win/Drawlot.exe") &
  (cd "$demo" && "$top/tools/wine-run.sh" "$top/build/win64/tests/e2e/drawlot_box_answerer.exe" \
    --steps "$steps") &
  driver=$!
  while kill -0 "$driver" 2>/dev/null; do
    for request in "$demo"/*.shot-request; do
      [ -e "$request" ] || continue
      name=$(basename "$request" .shot-request)
      sleep 1  # let the window finish painting
      import -window root "$top/docs/$name.png"
      echo "docs/$name.png"
      touch "$demo/$name.shot-done"
    done
    sleep 0.2
  done
  wait "$driver" || { echo "the photographs stopped: $(cat "$demo/boxes.txt" 2>/dev/null)"; status=1; }
  WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-x11" /usr/lib/wine/wineserver -k || true
  wait
  exit "${status:-0}"
fi

steps="$(realpath "${1:-tools/photographs.steps}")"
bash tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null
demo="$top/build/photo-run"
bash tools/demo-workspace.sh "$demo"
iconv -f UTF-8 -t CP932 "$steps" >"$demo/steps.txt"

# The test printers: Wine lists the queues of the CUPS that is up when it starts.
cups="$top/build/photo-cups"
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups")
export CUPS_SERVER
trap 'bash tools/test-cups.sh stop "$cups"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside-x "$demo" "$demo/steps.txt"
