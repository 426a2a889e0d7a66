#!/usr/bin/env bash
# Installs what is missing, builds the native, win64, win32 and fuzz builds, and runs every
# test: the core natively with sanitizers, the Windows suites under Wine, and a short fuzzing
# run of each file reader. Prints the counts and exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD
logs="$top/build/test-logs"

bash tools/setup.sh || exit 1
mkdir -p "$logs"

for preset in native win64 win32 fuzz; do
  echo "== build $preset"
  cmake --preset "$preset" >"$logs/configure-$preset.log" 2>&1 ||
    { cat "$logs/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" >"$logs/build-$preset.log" 2>&1 ||
    { tail -n 60 "$logs/build-$preset.log"; exit 1; }
done

passed=0
failed=0
status=0

# Native and fuzz: CTest counts one test per case.
count_ctest() {
  local log=$1 line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
}

# Under Wine each suite is one CTest test: count its GoogleTest cases instead.
count_gtest() {
  local log=$1 n
  for n in $(grep -oE '\[  PASSED  \] [0-9]+ tests?' "$log" | grep -oE '[0-9]+'); do passed=$((passed + n)); done
  for n in $(grep -oE '\[  FAILED  \] [0-9]+ tests?, listed below' "$log" | grep -oE '[0-9]+'); do failed=$((failed + n)); done
}

echo "== native tests"
ctest --preset native --no-tests=error >"$logs/test-native.log" 2>&1 || status=1
tail -n 3 "$logs/test-native.log"
[ $status -eq 0 ] || grep -E 'Failed|\*\*\*' "$logs/test-native.log" | head -n 40
count_ctest "$logs/test-native.log"

echo "== Windows tests under Wine"
# A private CUPS with the test printers, up for the whole Wine run: Wine reads the queues when
# each process starts.
cups_dir=$(mktemp -d "${TMPDIR:-/tmp}/drawlot-cups.XXXXXX")
trap 'bash tools/test-cups.sh stop "$cups_dir"' EXIT
if cups_server=$(bash tools/test-cups.sh start "$cups_dir" 2>"$logs/test-cups.log"); then
  export CUPS_SERVER=$cups_server
else
  echo "the test CUPS did not start:"; cat "$logs/test-cups.log"; status=1
fi
ctest --preset win64 -V --no-tests=error >"$logs/test-win64.log" 2>&1 || { status=1; grep -E 'FAILED|Failure|error' -A5 "$logs/test-win64.log" | head -n 80; }
bash tools/test-cups.sh stop "$cups_dir"
unset CUPS_SERVER
grep -E '^[0-9]+: \[==========\] [0-9]+ tests? from .* ran' "$logs/test-win64.log" | sed 's/^/   /'
tail -n 3 "$logs/test-win64.log"
count_gtest "$logs/test-win64.log"
# The end-to-end runs under Wine are not GoogleTest suites: each counts as one test.
passed=$((passed + $(grep -cE 'Test +#[0-9]+: e2e_[^ ]+ \.+ +Passed' "$logs/test-win64.log")))
failed=$((failed + $(grep -cE 'Test +#[0-9]+: e2e_[^ ]+ \.+\*+' "$logs/test-win64.log")))
# A suite that crashed before its summary counts as one failure.
grep -qE '\*\*\*(Exception|Failed|Timeout)' "$logs/test-win64.log" && [ "$failed" -eq 0 ] && failed=1

echo "== fuzzing each file reader"
ctest --preset fuzz -V --no-tests=error >"$logs/test-fuzz.log" 2>&1 || { status=1; grep -E 'property violated|ERROR|SUMMARY' -A10 "$logs/test-fuzz.log" | head -n 60; }
grep -E 'stat::number_of_executed_units' "$logs/test-fuzz.log" | sed 's/^/   /'
count_ctest "$logs/test-fuzz.log"

[ "$failed" -gt 0 ] && status=1
echo "tests: $passed passed, $failed failed"
exit $status
