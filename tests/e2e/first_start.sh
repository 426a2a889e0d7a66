#!/usr/bin/env bash
# Starts the real Drawlot.exe under Wine in an empty folder, answers its start-up boxes from
# outside, quits it through the menu bar, and checks the boxes, the exit code and the four
# files it wrote.
#
#   first_start.sh WINE_RUN DRAWLOT_EXE BOX_ANSWERER_EXE
set -u
wine_run=$1 drawlot=$2 answerer=$3
folder=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-e2e.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1

first_boxes=(
  "初期設定１|カラム設定ファイルがありません。初期値にします。"
  "初期設定１|カラム設定ファイルがありません。初期値にします。"
  "初期設定２|設定ファイルがありません。環境設定をし直して下さい。"
)
# Then the environment dialog opens beside the main window while start-up goes on (the
# answerer's IDOK is no button of that dialog, so it stays until the main window goes). Under the test command
# the printers are the queues of its private CUPS (tools/test-cups.sh): the default settings
# prohibit "Foxit-PDF" and keep only A and B sizes, so the queue with 70 numbered sizes has no
# paper and says nothing. The dialog and that box are up together: their order is not fixed.
later_boxes=("環境設定|AutoCadのEXEファイルがあるパス名を指定")  # its first label has id -1
if [ -n "${CUPS_SERVER:-}" ]; then
  later_boxes+=("Foxit-PDF|このプリンターは使用禁止に設定なっています")
fi
expected_boxes=("${first_boxes[@]}" "${later_boxes[@]}")

"$wine_run" "$drawlot" &
drawlot_pid=$!
"$wine_run" "$answerer" ${#expected_boxes[@]}
answerer_status=$?
wait "$drawlot_pid"
drawlot_status=$?

failed=0
fail() { echo "FAILED: $*"; failed=1; }
[ "$answerer_status" -eq 0 ] || fail "the main window did not come and go (answerer $answerer_status)"
[ "$drawlot_status" -eq 0 ] || fail "Drawlot exited with $drawlot_status"

expected=$(printf '%s\n' "${first_boxes[@]}"; printf '%s\n' "${later_boxes[@]}" | LC_ALL=C sort)
boxes=$(iconv -f CP932 -t UTF-8 boxes.txt 2>/dev/null)
seen=$(head -n "${#first_boxes[@]}" <<<"$boxes"; tail -n +"$((${#first_boxes[@]} + 1))" <<<"$boxes" | LC_ALL=C sort)
[ "$seen" = "$expected" ] || fail "boxes were:
$boxes"

# With no set files the item table is empty, and so are the two set files written back.
for name in listview.ini plot_set.ini drwlt_set1.ini drwlt_set2.ini; do
  [ -f "$name" ] || fail "$name was not written"
done
[ "$(od -An -c listview.ini | tr -s ' ')" = "$(printf 'max_cont=0\r\n' | od -An -c | tr -s ' ')" ] ||
  fail "listview.ini: $(od -c listview.ini | head -3)"
[ -f drwlt_set1.ini ] && [ ! -s drwlt_set1.ini ] || fail "drwlt_set1.ini is not empty"
[ -f drwlt_set2.ini ] && [ ! -s drwlt_set2.ini ] || fail "drwlt_set2.ini is not empty"
# The defaults: 43 lines, the script beside the program, flags never set written as one NUL.
[ "$(grep -c $'\r$' plot_set.ini)" -eq 43 ] || fail "plot_set.ini does not have 43 lines"
windows_folder="Z:$(tr '/' '\\' <<<"$folder")"
grep -qxF "temp_file=$windows_folder\\atcprint.scr"$'\r' plot_set.ini ||
  fail "plot_set.ini: $(grep -a temp_file plot_set.ini)"
[ "$(grep -a '^file_set.ps=' plot_set.ini | od -An -tx1 | tr -d ' \n')" = "66696c655f7365742e70733d000d0a" ] ||
  fail "file_set.ps is not a single NUL"
ls "$folder"/*.tmp >/dev/null 2>&1 && fail "a temporary file was left behind"

[ "$failed" -eq 0 ] && echo "first start in an empty folder: passed"
exit "$failed"
