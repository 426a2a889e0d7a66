#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and starts Drawlot under Wine in a fresh
# copy of the demo workspace (build/demo-run), with a list of its sample drawings ready.
#
# With an X display ($DISPLAY) Drawlot opens there in a Wine desktop of 1024 x 768. Without one
# it runs under Xvfb, a screenshot is written to build/demo-run.png after a few seconds and the
# program is ended. DRAWLOT_SCREENSHOT=FILE asks for the screenshot with a display as well.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
bash tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null

demo="$top/build/demo-run"
bash tools/prepare-demo.sh "$demo"

run_drawlot() {
  (cd "$demo" && DRAWLOT_WINE_DRIVER=x11 "$top/tools/wine-run.sh" explorer \
    /desktop=shell,1024x768 "$top/build/win64/src/win/Drawlot.exe")
}

shot="${DRAWLOT_SCREENSHOT:-}"
if [ -n "${DISPLAY:-}" ] && [ -z "$shot" ]; then
  run_drawlot
  exit 0
fi

# Headless: start it under Xvfb, photograph the screen, end it.
shot="${shot:-$top/build/demo-run.png}"
xvfb-run -a -s "-screen 0 1024x768x24" bash tools/photograph.sh "$demo" "$shot"
echo "Screenshot of Drawlot with the demo list: $shot"
