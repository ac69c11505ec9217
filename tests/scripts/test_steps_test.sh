#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/test-steps.sh: what the summary says of a step from its output and
# exit status, the skipping of steps whose needs failed, and the closing line
# and status of the run.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
logs=$(mktemp -d "${TMPDIR:-/tmp}/zeru-steps.XXXXXX")
trap 'rm -rf "$logs"' EXIT
# shellcheck source=scripts/test-steps.sh
. "$here/../../scripts/test-steps.sh"
steps_begin "$logs"
failures=0
check() {  # WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || { echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1)); }
}
# A step whose output is OUTPUT (printf %b) and whose exit status is STATUS.
fake() { printf '%b' "$1"; return "$2"; }

# id | exit status | output | what the summary says
rows=(
  "ctest_ok|0|100% tests passed, 0 tests failed out of 23\nThe following tests did not run:\n\t  5 - vm_a (Skipped)\n\t  6 - vm_b (Skipped)\n|23 passed (2 skipped)"
  "ctest_bad|8|91% tests passed, 2 tests failed out of 23\n\nThe following tests FAILED:\n\t 12 - vm_windows_hid (Failed)\n\t 14 - windows_same_output (Timeout)\nErrors while running CTest\n|21/23 FAILED (vm_windows_hid, windows_same_output), see $logs/ctest_bad.log"
  "two_ctests|0|100% tests passed, 0 tests failed out of 1\n100% tests passed, 0 tests failed out of 4\n|5 passed"
  "after_tests|1|100% tests passed, 0 tests failed out of 5\nclang-tidy: 1 finding\n|5 passed, then FAILED (exit 1), see $logs/after_tests.log"
  "unittest_bad|1|....\nRan 12 tests in 3.1s\n\nFAILED (failures=1, errors=2)\n|9/12 FAILED, see $logs/unittest_bad.log"
  "unittest_ok|0|Ran 1 test in 0.2s\n\nOK\n|1 passed"
  "node_ok|0|# tests 30\n# pass 30\n# fail 0\n|30 passed"
  "plain_ok|0|formatting ok\n|ok"
  "plain_bad|2|make: *** [all] Error 2\n|FAILED (exit 2), see $logs/plain_bad.log"
)
for row in "${rows[@]}"; do
  IFS='|' read -r id status output expected <<<"$row"
  step "$id" "$id" -- fake "$output" "$status" >/dev/null
  check "$id" "$expected" "${steps_detail[$id]}"
  check "$id's log" "$(printf '%b' "$output")" "$(cat "$logs/$id.log")"
done

# A step that needs a failed one is skipped and names it; one whose needs passed runs.
ran() { [ -e "$logs/$1.ran" ] && echo ran || echo "not run"; }
step needs_failed "needs failed" --needs plain_ok plain_bad -- touch "$logs/needs_failed.ran" >/dev/null
check "skip" "not run, skipped: needs plain_bad" "$(ran needs_failed), ${steps_detail[needs_failed]}"
step needs_passed "needs passed" --needs plain_ok ctest_ok -- touch "$logs/needs_passed.ran" >/dev/null
check "run after passed needs" "ran, passed" "$(ran needs_passed), ${steps_outcome[needs_passed]}"

# The closing line counts steps, and the run fails when any failed or was skipped.
summary=$(steps_summary)
status=$?
check "closing line" "6 passed, 4 failed, 1 skipped" "$(tail -n 1 <<<"$summary")"
check "status with failures" 1 "$status"
grep -q '^ctest_bad  *0:00  21/23 FAILED' <<<"$summary" || check "table row" "ctest_bad 0:00 21/23 FAILED" "$summary"
summary=$(
  steps_ids=(plain_ok node_ok)
  steps_summary
)
check "all passed" "0 2 passed, 0 failed" "$? $(tail -n 1 <<<"$summary")"

echo "$failures failures"
[ "$failures" -eq 0 ]
