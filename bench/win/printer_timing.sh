#!/usr/bin/env bash
# Times the printer enumeration under Wine against a private CUPS with 1, 10 and 30 queues of
# 60 paper sizes each (tests/printers/sixty_sizes.ppd), prohibited and not.
#
#   bench/win/printer_timing.sh [BUILD_DIR]     (default build/win64)
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
build=${1:-$top/build/win64}
driver="$build/tests/e2e/drawlot_printer_enumeration_timing.exe"
[ -f "$driver" ] || { echo "build the win64 preset first ($driver)" >&2; exit 1; }

cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-cups-bench.XXXXXX")
trap 'bash tools/test-cups.sh stop "$cups_dir"' EXIT
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups_dir" --empty)
export CUPS_SERVER

made=0
for queues in 1 10 30; do
  while [ "$made" -lt "$queues" ]; do
    made=$((made + 1))
    bash tools/test-cups.sh add "$cups_dir" "$(printf 'Drawlot-Sixty-%02d' "$made")" \
      "$top/tests/printers/sixty_sizes.ppd"
  done
  echo "== $queues queues of 60 sizes"
  # The first Wine process after new queues copies them into the prefix: not what is timed.
  bash tools/wine-run.sh "$driver" >/dev/null
  bash tools/wine-run.sh "$driver"
done
