#!/usr/bin/env bash
# Times the printer enumeration under Wine against a private CUPS with 1, 10 and 30 queues of
# 60 paper sizes each (tests/printers/sixty_sizes.ppd), prohibited and not; the printer list and
# one-row edit commands from the command to their dialog; and the real program's start-up to a
# list that answers with 0, 10 and 30 queues (RUNS starts each, default 5), with the ratio of
# the median with 30 queues to the one with none. A bare window (bench/win/bare_window.cpp:
# kernel32 and user32, a window that quits once shown) is timed from start to end under the same
# Wine with none and 30 queues, in turns with the program's start-up, which is set against it.
#
# The program timed is the optimised one users get (build/win64-release) when it is built, else
# the one in BUILD_DIR; PROGRAM=path chooses another.
#
#   bench/win/printer_timing.sh [BUILD_DIR]     (default build/win64)
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
build=${1:-$top/build/win64}
runs=${RUNS:-5}
driver="$build/tests/e2e/drawlot_printer_enumeration_timing.exe"
starter="$build/tests/e2e/drawlot_startup_timing.exe"
bare="$build/tests/e2e/drawlot_bare_window.exe"
program=${PROGRAM:-$top/build/win64-release/src/win/Drawlot.exe}
[ -n "${PROGRAM:-}" ] || [ -f "$program" ] || program=$(find "$build" -name Drawlot.exe -print -quit)
echo "timing $program"
for file in "$driver" "$starter" "$bare" "$program"; do
  [ -f "$file" ] || { echo "build the win64 preset first ($file)" >&2; exit 1; }
done

cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-cups-bench.XXXXXX")
workspace=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-start-bench.XXXXXX")
trap 'bash tools/test-cups.sh stop "$cups_dir"; rm -rf "$workspace"' EXIT
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups_dir" --empty)
export CUPS_SERVER
# The demo workspace: settings and a list that give no start-up box with these queues.
bash tools/demo-workspace.sh "$workspace/demo"
windows_program="Z:$(tr '/' '\\' <<<"$program")"
windows_bare="Z:$(tr '/' '\\' <<<"$bare")"

declare -A median
# time_start QUEUES [against]: the program's start-up; with "against", in turns with the bare
# window's start to end, and the median of the pairs' ratios.
time_start() {
  local extra=()
  [ "${2:-}" = against ] && extra=(against "$windows_bare")
  # The first Wine process after new queues copies them into the prefix: not what is timed.
  (cd "$workspace/demo" && bash "$top/tools/wine-run.sh" "$starter" "$windows_program" 1 x >/dev/null)
  local lines
  lines=$(cd "$workspace/demo" && bash "$top/tools/wine-run.sh" "$starter" "$windows_program" \
    "$runs" "$1 queues" "${extra[@]}" | tr -d '\r')
  echo "$lines"
  median[$1]=$(sed -n 's/.*list that answers.*median *\([0-9.]*\) ms.*/\1/p' <<<"$lines")
  median["bare $1"]=$(sed -n 's/.*bare window, start to end.*median *\([0-9.]*\) ms.*/\1/p' <<<"$lines")
  median["pairs $1"]=$(sed -n 's/.*median of the pairs: *\([0-9.]*\).*/\1/p' <<<"$lines")
}

made=0
echo "== no queue"
time_start 0 against
for queues in 1 10 30; do
  while [ "$made" -lt "$queues" ]; do
    made=$((made + 1))
    bash tools/test-cups.sh add "$cups_dir" "$(printf 'Drawlot-Sixty-%02d' "$made")" \
      "$top/tests/printers/sixty_sizes.ppd"
  done
  echo "== $queues queues of 60 sizes"
  bash tools/wine-run.sh "$driver" >/dev/null
  bash tools/wine-run.sh "$driver"
  if [ "$queues" -eq 10 ]; then time_start "$queues"; fi
  if [ "$queues" -eq 30 ]; then time_start "$queues" against; fi
done
awk -v none="${median[0]}" -v thirty="${median[30]}" \
  'BEGIN { printf "start-up, median with 30 queues / with none: %.2f\n", thirty / none }'
awk -v bare="${median[bare 0]}" -v bare_thirty="${median[bare 30]}" \
  'BEGIN { printf "bare window, median start to end: %.1f ms with none, %.1f ms with 30 queues\n", bare, bare_thirty }'
echo "start-up / bare window, median of the pairs: ${median[pairs 0]} with none, ${median[pairs 30]} with 30 queues"
