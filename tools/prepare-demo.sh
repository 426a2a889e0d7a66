#!/usr/bin/env bash
# Makes a fresh copy of the demo workspace in DIR: settings whose paths point into the copy,
# the CAD stand-in when the build has one, and a list of the sample drawings ready.
#
#   tools/prepare-demo.sh DIR
set -euo pipefail
cd "$(dirname "$0")/.."
demo=$1
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
