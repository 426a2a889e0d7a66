#!/usr/bin/env bash
# Counts the requests that the program's window thread makes to the wineserver, from process
# start to quit, against the bench's bare window (bench/win/bare_window.cpp) under the same
# Wine. Under Wine nearly every call that places a window or draws pays for such requests, and
# unlike the wall time of printer_timing.sh, which on a shared machine changes threefold from
# one second to the next, the count is the same on every run: a change to the start shows in it
# at once. The program starts on the demo workspace, with no printer queue.
#
# It stops the prefix's persistent wineserver and runs one that logs every request, so nothing
# else should be using that prefix (no test run) while it works.
#
# The program counted is the optimised one (build/win64-release) when it is built, else the
# one in BUILD_DIR; PROGRAM=path chooses another.
#
#   bench/win/server_requests.sh [BUILD_DIR]     (default build/win64)
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
build=${1:-$top/build/win64}
starter="$build/tests/e2e/drawlot_startup_timing.exe"
bare="$build/tests/e2e/drawlot_bare_window.exe"
program=${PROGRAM:-$top/build/win64-release/src/win/Drawlot.exe}
[ -n "${PROGRAM:-}" ] || [ -f "$program" ] || program=$(find "$build" -name Drawlot.exe -print -quit)
for file in "$starter" "$bare" "$program"; do
  [ -f "$file" ] || { echo "build the win64 preset first ($file)" >&2; exit 1; }
done
echo "counting $program"

export WINEPREFIX="${DRAWLOT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/drawlot/wine-null}"
wineserver=/usr/lib/wine/wineserver
cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-cups-count.XXXXXX")
work=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-count.XXXXXX")
trap '"$wineserver" -k 2>/dev/null || true; bash tools/test-cups.sh stop "$cups_dir"; rm -rf "$work"' EXIT
CUPS_SERVER=$(bash tools/test-cups.sh start "$cups_dir" --empty)
export CUPS_SERVER
bash tools/demo-workspace.sh "$work/demo" >/dev/null
bash tools/wine-run.sh "$starter" "Z:$(tr '/' '\\' <<<"$bare")" 1 warm bare >/dev/null  # the prefix

# count_requests CLASS LOG: the requests of the thread that registers the window class CLASS.
count_requests() {
  # The log is read twice: the first pass finds the thread, the second counts from its start.
  awk -v class="name=L\"$1\"" '
    FNR == NR { if (thread == "" && /create_class\(/ && index($0, class)) thread = $1; next }
    thread != "" && $1 == thread && $2 ~ /^[a-z_]+\(/ && $0 !~ /\) = / { requests++ }
    END { print requests + 0 }' "$2" "$2"
}

# logged_start PROGRAM [bare]: one start of PROGRAM with every request logged, into $work/log.
logged_start() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
  (cd "$work/demo" && setsid "$wineserver" -f -d2 >"$work/log" 2>&1 &)
  sleep 1
  (cd "$work/demo" && bash "$top/tools/wine-run.sh" "$starter" "Z:$(tr '/' '\\' <<<"$1")" 1 count \
    "${@:2}" >/dev/null)
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
}

logged_start "$program"
program_requests=$(count_requests "Main Window" "$work/log")
logged_start "$bare" bare
bare_requests=$(count_requests "Bare Window" "$work/log")
echo "server requests of the window's thread, start to quit: program $program_requests," \
  "bare window $bare_requests"
awk -v program="$program_requests" -v bare="$bare_requests" \
  'BEGIN { if (bare > 0) printf "program / bare window: %.2f\n", program / bare }'
