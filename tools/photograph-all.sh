#!/usr/bin/env bash
# Photographs Drawlot under Wine: the main window and every dialog, on a copy of the demo
# workspace with printers of a private CUPS, into docs/ (the README and the help pages show
# them). Installs what is missing and builds the win64 preset first.
#
#   photograph-all.sh [STEPS_FILE]
#
# The steps (tools/photographs.steps unless given) are those of the end-to-end box driver
# (tests/e2e/box_answerer.cpp); each "shot NAME" becomes docs/NAME.png, an "ini key=value"
# line sets that key in the workspace's drawlot.ini first, and a "delete FILE" line removes that
# file of the workspace before the start (a drawing of the list that has gone).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

# Both programs run on one Wine desktop, so the driver finds Drawlot's windows.
on_desktop() { DRAWLOT_WINE_DRIVER=x11 "$top/tools/wine-run.sh" explorer /desktop=shell,1024x768 "$@"; }

if [ "${1:-}" = "--inside-x" ]; then
  # Inside Xvfb: Drawlot and the driver on one desktop; a photograph per request of the driver.
  demo=$2
  unset DRAWLOT_WINEPREFIX  # the photographs need the prefix of the X11 driver
  cd "$demo"
  rm -f steps.result
  on_desktop "$top/build/win64/src/win/Drawlot.exe" &
  sleep 5
  on_desktop "$top/build/win64/tests/e2e/drawlot_box_answerer.exe" --steps steps.txt &
  for _ in $(seq 900); do
    [ -s steps.result ] && break
    for request in ./*.shot-request; do
      [ -e "$request" ] || continue
      name=$(basename "$request" .shot-request)
      sleep 1  # let the window finish painting
      import -window root "$top/docs/$name.png"
      echo "docs/$name.png"
      touch "$name.shot-done"
    done
    sleep 0.2
  done
  WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-x11" /usr/lib/wine/wineserver -k || true
  wait || true
  echo "boxes answered: $(iconv -f CP932 -t UTF-8 boxes.txt 2>/dev/null | tr '\n' ' ')"
  [ "$(tr -d '\r\n' <steps.result 2>/dev/null)" = 0 ] || { echo "the steps did not all come through"; exit 1; }
  exit 0
fi

steps="$(realpath "${1:-tools/photographs.steps}")"
bash tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null
demo="$top/build/photo-run"
bash tools/demo-workspace.sh "$demo"
grep -v '^#' "$steps" | grep -v '^ini ' | grep -v '^delete ' | iconv -f UTF-8 -t CP932 >"$demo/steps.txt"
# "ini key=value" lines of the steps go into the workspace's drawlot.ini before the start.
# A steps file without such lines is fine: grep's "nothing found" ends no pipeline.
{ grep '^ini ' "$steps" || true; } | sed 's/^ini //; s/$/\r/' >>"$demo/drawlot.ini"
{ grep '^delete ' "$steps" || true; } | sed 's/^delete //' | while read -r gone; do rm -f "$demo/$gone"; done
# The CAD stand-in takes a few seconds a run, so the progress window can be photographed.
echo 2000 >"$demo/standin.wait"

# The printers: the demo list's "PDF", a plotter, and one with Japanese paper names. Wine lists
# the queues of the CUPS that is up when each process starts.
cups="$top/build/photo-cups"
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups" --empty)
export CUPS_SERVER
trap 'bash tools/test-cups.sh stop "$cups"' EXIT
bash tools/test-cups.sh add "$cups" PDF tests/printers/a_b_sizes.ppd
bash tools/test-cups.sh add "$cups" Plotter-A0 tests/printers/a_b_sizes.ppd
bash tools/test-cups.sh add "$cups" Drawlot-Japanese tests/printers/japanese_sizes.ppd
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside-x "$demo"
