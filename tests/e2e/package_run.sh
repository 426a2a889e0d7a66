#!/usr/bin/env bash
# The zip a user downloads, used as a user would: unpacked into a folder whose name holds a
# space and ends in 表 (95 5C), the sample set files copied beside Drawlot.exe as the readme
# says, started there under Wine, through the first start, a drawing added through the open
# dialog, a script written through the save dialog, closed through the menu. Help opens the
# page beside the program (Wine has no browser for it here, so the box names the page). Checks what the
# package holds, every box, and the bytes of every file written.
#
# BUILD_DIR is the win64-release build (the optimised program the release packs), built first.
#
#   package_run.sh WINE_RUN CPACK BUILD_DIR BOX_ANSWERER_EXE
set -u
wine_run=$1 cpack=$2 build=$3 answerer=$4
work=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }
windows() { printf 'Z:%s' "$(tr '/' '\\' <<<"$1")"; }
cp932() { iconv -f UTF-8 -t CP932; }

[ -f "$build/src/win/Drawlot.exe" ] ||
  { echo "FAILED: no program in $build: build the win64-release preset first"; exit 1; }
(cd "$build" && "$cpack" -B "$work/pack" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
zip=$(ls "$work"/pack/Drawlot-*-win64.zip 2>/dev/null | head -n 1)
[ -f "$zip" ] || { echo "FAILED: no Drawlot-<version>-win64.zip"; exit 1; }
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || { echo "FAILED: cannot unpack $zip"; exit 1; }
app="$work/Drawlot 表"
mv "$work"/unpacked/Drawlot-*-win64 "$app" || exit 1

# What the package holds: the program, five help pages and the readme in code page 932 with
# CR LF, the pictures the pages show, and the sample set files.
for name in Drawlot.exe readme.txt Dw-HELP00.htm Dw-HELP01.htm Dw-HELP02.htm Dw-HELP03.htm \
            Dw-HELP04.htm help.css sample/drwlt_set1.ini sample/drwlt_set2.ini; do
  [ -s "$app/$name" ] || fail "the package has no $name"
done
for text in "$app"/readme.txt "$app"/Dw-HELP0*.htm; do
  iconv -f CP932 -t UTF-8 "$text" >/dev/null 2>&1 || fail "$(basename "$text") is not code page 932"
  [ "$(grep -c $'\r$' "$text")" -eq "$(wc -l <"$text")" ] || fail "$(basename "$text") has a line without CR LF"
done
grep -q 'charset="Shift_JIS"' "$app/Dw-HELP00.htm" || fail "Dw-HELP00.htm does not declare its charset"
for picture in $(grep -aoh 'images/[a-z0-9-]*\.png' "$app"/Dw-HELP0*.htm | sort -u); do
  [ -s "$app/$picture" ] || fail "a help page shows $picture, which the package does not hold"
done

cp "$app"/sample/drwlt_set1.ini "$app"/sample/drwlt_set2.ini "$app/"
mkdir "$work/図面"
printf '0\r\nSECTION\r\n0\r\nEOF\r\n' >"$work/図面/plan 01.dwg"
touch -d '2026-01-02 03:04:00' "$work/図面/plan 01.dwg"
drawing=$(windows "$work/図面/plan 01.dwg")
script=$(windows "$app/出力.scr")

# With the test CUPS up (tools/test.sh) the default settings prohibit its "Foxit-PDF" queue,
# which the start-up enumeration tells; the environment dialog opened at start-up is closed
# from its caption.
foxit_box=()
[ -n "${CUPS_SERVER:-}" ] && foxit_box=("Foxit-PDF|このプリンターは使用禁止に設定なっています")
cp932 >"$work/steps.txt" <<STEPS
box 初期設定２
$([ -n "${CUPS_SERVER:-}" ] && echo "box Foxit-PDF")
close 環境設定
command 51
box ﾍﾙﾌﾟ
command 37844
file $drawing
command 37852
file $script
box Quillon
quit
STEPS

cd "$app" || exit 1
"$wine_run" "$app/Drawlot.exe" &
drawlot_pid=$!
"$wine_run" "$answerer" --steps "$work/steps.txt"
answerer_status=$?
# A step that never came leaves Drawlot waiting on a window: end it rather than wait forever.
[ "$answerer_status" -eq 0 ] || pkill -f "$app/Drawlot.exe"
wait "$drawlot_pid"
drawlot_status=$?
[ "$answerer_status" -eq 0 ] || fail "the answerer stopped (status $answerer_status)"
[ "$drawlot_status" -eq 0 ] || fail "Drawlot exited with $drawlot_status"

expected_boxes=$(printf '%s\n' \
  "初期設定２|設定ファイルがありません。環境設定をし直して下さい。" "${foxit_box[@]}" \
  "ﾍﾙﾌﾟ|ページを開けませんでした。ブラウザで次の場所を開いて下さい。" "$(windows "$app")\\Dw-HELP00.htm" \
  "Quillon|スクリプトファイル作成完了！")
boxes=$(iconv -f CP932 -t UTF-8 boxes.txt 2>/dev/null)
[ "$boxes" = "$expected_boxes" ] || fail "boxes were:
$boxes"

# Files compared byte for byte: what the test expects is written as UTF-8 with LF here and
# turned into code page 932 with CR LF.
expect() { sed 's/$/\r/' | cp932 >"$work/expected"; cmp -s "$work/expected" "$1" ||
  fail "$1 differs:
$(iconv -f CP932 -t UTF-8 "$1" | od -c | head -n 20)"; }

folder=$(windows "$work/図面")
expect listview.ini <<LIST
max_cont=1
plan 01.dwg;$folder;2026/01/02 03:04;1;Model;PDF;A3;M;横;N;図面範囲;F;monochrome.ctb;;;;;;;;;;;;;;;;;;;
LIST
cmp -s drwlt_set1.ini sample/drwlt_set1.ini || fail "drwlt_set1.ini is not the sample's bytes"
cmp -s drwlt_set2.ini sample/drwlt_set2.ini || fail "drwlt_set2.ini is not the sample's bytes"
[ "$(grep -c $'\r$' plot_set.ini)" -eq 43 ] || fail "plot_set.ini does not have 43 lines"
settings=$(tr -d '\0' <plot_set.ini | iconv -f CP932 -t UTF-8)
grep -qxF "file_folder=$folder"$'\r' <<<"$settings" || fail "plot_set.ini: $(grep file_folder <<<"$settings")"
grep -qxF "temp_file=$(windows "$app")\\atcprint.scr"$'\r' <<<"$settings" ||
  fail "plot_set.ini: $(grep temp_file <<<"$settings")"
expect 出力.scr <<SCRIPT
_.OPEN "$folder\\plan 01.dwg"
-PLOT
Y
Model
PDF
A3
M
横
N
図面範囲
F
C
Y
monochrome.ctb
Y
N
Y
_.CLOSE
open "$(windows "$app")\\endfile.dwg"
quit
SCRIPT
ls ./*.tmp >/dev/null 2>&1 && fail "a temporary file was left behind"

[ "$failed" -eq 0 ] && echo "the win64 package, unpacked and used: passed"
exit "$failed"
