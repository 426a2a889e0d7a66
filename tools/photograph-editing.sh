#!/usr/bin/env bash
# The pictures of the editors in docs/: the edit dialog (one-row edit) and an open in-place
# drop-down over a printer cell, photographed in the demo workspace under Xvfb with two printers
# of a private CUPS. Needs what tools/run.sh needs; run it after tools/run.sh has made the demo.
#
#   bash tools/photograph-editing.sh
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
demo="$top/build/demo-run"
[ -d "$demo" ] || { echo "run tools/run.sh first (it makes $demo)" >&2; exit 1; }
driver="$top/build/edit_photo_driver.exe"
x86_64-w64-mingw32-g++-posix -O2 -static -o "$driver" tools/edit_photo_driver.cpp

cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-photo-cups.XXXXXX")
trap 'bash tools/test-cups.sh stop "$cups_dir"' EXIT
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups_dir" --empty)
export CUPS_SERVER
bash tools/test-cups.sh add "$cups_dir" PDF tests/printers/a_b_sizes.ppd
bash tools/test-cups.sh add "$cups_dir" Plotter-A0 tests/printers/a_b_sizes.ppd

for picture in dialog cell; do
  DRAWLOT_SHOT_DRIVER="$driver $picture" DRAWLOT_SHOT_DELAY=6 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash tools/photograph.sh "$demo" "build/edit-$picture.png"
done
mv build/edit-dialog.png docs/edit-dialog.png
mv build/edit-cell.png docs/cell-editor.png
echo "docs/edit-dialog.png docs/cell-editor.png"
