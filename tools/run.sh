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
rm -rf "$demo"
cp -r examples/demo "$demo"
rm -f "$demo/README.md"
windows_demo="Z:$(tr '/' '\\' <<<"$demo")"

# The CAD program: the test stand-in when the build has one.
stand_in=$(find build/win64 -iname '*stand*in*.exe' 2>/dev/null | head -n 1 || true)
[ -n "$stand_in" ] && cp "$stand_in" "$demo/acad.exe"

# plot_set.ini with the copy's paths, in code page 932 with CR LF.
sed -e "s|@DEMO@|${windows_demo//\\/\\\\}|g" -e 's/$/\r/' "$demo/plot_set.template" |
  iconv -f UTF-8 -t CP932 >"$demo/plot_set.ini"
rm -f "$demo/plot_set.template"

# listview.ini: one row per sample drawing, with the cells a new row of set 0 gets.
{
  count=$(ls "$demo"/drawings/*.dxf | wc -l)
  printf 'max_cont=%d\r\n' "$count"
  for drawing in "$demo"/drawings/*.dxf; do
    printf '%s;%s;%s;1;Model;PDF;A3;M;横;N;図面範囲;F;monochrome.ctb;;;;;;;;;;;;;;;;;;;\r\n' \
      "$(basename "$drawing")" "$windows_demo\\drawings" "$(date -r "$drawing" '+%Y/%m/%d %H:%M')"
  done
} | iconv -f UTF-8 -t CP932 >"$demo/listview.ini"

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
