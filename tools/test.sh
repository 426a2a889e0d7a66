#!/usr/bin/env bash
# Installs what is missing, builds the native, win64, win32 and fuzz builds and the two release
# builds, and runs every test: the core natively with sanitizers, the Windows suites under Wine
# (the package scenario on the win64-release zip), and a short fuzzing run of each file
# reader. Prints the counts and exits non-zero on any failure.
#
# The counts come from the result files, not from printed text: CTest writes a JUnit file of
# every run (one test case per CTest test), and each GoogleTest suite run under Wine writes its
# own XML file, since there one CTest test runs a whole suite. A CTest test named
# "<name>_under_wine" runs the suite drawlot_<name>.exe and is counted by that suite's cases;
# every other CTest test (end-to-end runs, fuzzers, the native cases) counts as one.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD
logs="$top/build/test-logs"

bash tools/setup.sh || exit 1
mkdir -p "$logs"

for preset in native win64 win32 win64-release win32-release fuzz; do
  echo "== build $preset"
  cmake --preset "$preset" >"$logs/configure-$preset.log" 2>&1 ||
    { cat "$logs/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" >"$logs/build-$preset.log" 2>&1 ||
    { tail -n 60 "$logs/build-$preset.log"; exit 1; }
done

passed=0
failed=0
status=0

# The value of attribute $2 in the first line of file $1 that has it.
attribute() {
  grep -oE "$2=\"[0-9]+\"" "$1" | head -n 1 | grep -oE '[0-9]+'
}

# One GoogleTest XML file: its cases that ran and passed, and those that failed.
count_gtest_xml() {
  local xml=$1 tests bad disabled skipped
  tests=$(attribute "$xml" tests)
  bad=$(($(attribute "$xml" failures) + $(attribute "$xml" errors)))
  disabled=$(attribute "$xml" disabled)
  skipped=$(grep -cE '<testcase [^>]*result="skipped"' "$xml")
  passed=$((passed + tests - bad - disabled - skipped))
  failed=$((failed + bad))
  echo "   $(basename "$xml" .xml): $((tests - bad - disabled - skipped)) passed, $bad failed"
}

# The test cases of CTest's JUnit file $1 as "name status" lines (status run, fail, notrun...).
junit_cases() {
  grep -oE '<testcase name="[^"]*"[^>]*status="[^"]*"' "$1" |
    sed -E 's/<testcase name="([^"]*)".*status="([^"]*)"/\1 \2/'
}

# Counts a CTest run from its JUnit file $1, with the GoogleTest XML files of its Wine suites
# in folder $2. A suite that failed without a failed case in its file (it crashed, hung or
# wrote no file) counts as one failure; so does a run that failed with no failure counted.
count_run() {
  local junit=$1 gtest_dir=$2 run_status=$3 before=$failed line name case_status xml
  if [ ! -f "$junit" ]; then
    failed=$((failed + 1))
    return
  fi
  while read -r line; do
    name=${line% *}  # a parameterised case's name has blanks in it
    case_status=${line##* }
    if [[ $name == *_under_wine ]]; then
      xml="$gtest_dir/drawlot_${name%_under_wine}.xml"
      local suite_before=$failed
      if [ -f "$xml" ]; then
        count_gtest_xml "$xml"
        [ "$case_status" = fail ] && [ "$failed" -eq "$suite_before" ] && failed=$((failed + 1))
      else
        echo "   $name wrote no results"
        failed=$((failed + 1))
      fi
    elif [ "$case_status" = run ]; then
      passed=$((passed + 1))
    elif [ "$case_status" = fail ]; then
      failed=$((failed + 1))
    fi
  done < <(junit_cases "$junit")
  [ "$run_status" -ne 0 ] && [ "$failed" -eq "$before" ] && failed=$((failed + 1))
  return 0
}

echo "== native tests"
rm -f "$logs/native.junit.xml"
ctest --preset native --no-tests=error --output-junit "$logs/native.junit.xml" \
  >"$logs/test-native.log" 2>&1
run_status=$?
tail -n 3 "$logs/test-native.log"
[ $run_status -eq 0 ] || { status=1; grep -E 'Failed|\*\*\*' "$logs/test-native.log" | head -n 40; }
count_run "$logs/native.junit.xml" "" $run_status

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
gtest_dir="$logs/gtest-win64"
rm -rf "$gtest_dir" "$logs/win64.junit.xml"
mkdir -p "$gtest_dir"
# The suites write their XML files there; Wine sees / as drive Z:.
GTEST_OUTPUT="xml:Z:$gtest_dir/" ctest --preset win64 -V --no-tests=error \
  --output-junit "$logs/win64.junit.xml" >"$logs/test-win64.log" 2>&1
run_status=$?
bash tools/test-cups.sh stop "$cups_dir"
unset CUPS_SERVER
[ $run_status -eq 0 ] ||
  { status=1; grep -E 'FAILED|Failure|error' -A5 "$logs/test-win64.log" | head -n 80; }
count_run "$logs/win64.junit.xml" "$gtest_dir" $run_status
tail -n 3 "$logs/test-win64.log"

echo "== fuzzing each file reader"
rm -f "$logs/fuzz.junit.xml"
ctest --preset fuzz -V --no-tests=error --output-junit "$logs/fuzz.junit.xml" \
  >"$logs/test-fuzz.log" 2>&1
run_status=$?
[ $run_status -eq 0 ] ||
  { status=1; grep -E 'property violated|ERROR|SUMMARY' -A10 "$logs/test-fuzz.log" | head -n 60; }
grep -E 'stat::number_of_executed_units' "$logs/test-fuzz.log" | sed 's/^/   /'
count_run "$logs/fuzz.junit.xml" "" $run_status

[ "$failed" -gt 0 ] && status=1
echo "tests: $passed passed, $failed failed"
exit $status
