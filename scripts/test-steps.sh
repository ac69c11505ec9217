# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Steps of a test run that goes on to the end whatever fails (sourced by
# scripts/test.sh):
#
#   steps_begin LOG_DIR
#   step ID LABEL [--needs ID...] -- COMMAND [ARGS...]
#   steps_ready ID...        true when every named step passed
#   steps_summary            the table of the steps and "N passed, N failed"
#
# A step shows its output as it comes and keeps it in LOG_DIR/ID.log; one that
# needs a step that did not pass is skipped. Its outcome in the summary is read
# from its output: ctest's, Python unittest's or node's counts when it ran
# tests, with the names of the tests that failed.

steps_ids=()
declare -A steps_label steps_outcome steps_detail steps_time

steps_begin() {
  steps_logs=$1
  mkdir -p "$steps_logs"
}

steps_ready() {
  local id
  for id in "$@"; do
    [ "${steps_outcome[$id]:-}" = passed ] || return 1
  done
}

step() {
  local id=$1 label=$2 needs=()
  shift 2
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    [ "$1" = --needs ] || needs+=("$1")
    shift
  done
  shift
  steps_ids+=("$id")
  steps_label[$id]=$label
  local log="$steps_logs/$id.log" missing=() need
  for need in "${needs[@]}"; do
    steps_ready "$need" || missing+=("${steps_label[$need]:-$need}")
  done
  echo "== $label"
  if [ ${#missing[@]} -gt 0 ]; then
    steps_outcome[$id]=skipped
    steps_detail[$id]="skipped: needs $(steps_join ", " "${missing[@]}")"
    steps_time[$id]=0
    echo "(${steps_detail[$id]})"
    return 1
  fi
  local start=$SECONDS status
  "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  steps_time[$id]=$((SECONDS - start))
  if [ "$status" -eq 0 ]; then steps_outcome[$id]=passed; else steps_outcome[$id]=failed; fi
  steps_detail[$id]=$(steps_counts "$log" "$status")
  [ "$status" -eq 0 ]
}

steps_join() {
  local separator=$1 first=$2
  shift 2
  printf '%s' "$first" "${@/#/$separator}"
}

# steps_counts LOG STATUS: "609 passed", "22/23 FAILED (vm_windows_hid)", "ok",
# "FAILED (exit 2), see LOG".
steps_counts() {
  local log=$1 status=$2 total=0 failed=0 skipped=0 names=() line
  # ctest: "95% tests passed, 1 tests failed out of 23", then the failures'
  # names after "The following tests FAILED:" and the skipped ones after
  # "The following tests did not run:".
  while read -r line; do
    read -r f t <<<"$line"
    failed=$((failed + f)) total=$((total + t))
  done < <(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$log")
  skipped=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log")
  mapfile -t names < <(sed -n '/^The following tests FAILED:/,/^[^[:space:]]/s/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$log")
  # Python's unittest: "Ran 12 tests in 3.1s", then "OK" or "FAILED (failures=1, errors=2)".
  local ran
  ran=$(sed -n 's/^Ran \([0-9]*\) tests\{0,1\} in .*/\1/p' "$log" | tail -n 1)
  if [ -n "$ran" ]; then
    local bad
    total=$((total + ran))
    for bad in $(sed -n 's/^FAILED (\(.*\))$/\1/p' "$log" | tail -n 1 | grep -oE '(failures|errors)=[0-9]+' | cut -d= -f2); do
      failed=$((failed + bad))
    done
  fi
  # node --test: "# tests 30", "# fail 1".
  local node_total node_failed
  node_total=$(sed -n 's/^# tests \([0-9]*\)$/\1/p' "$log" | tail -n 1)
  node_failed=$(sed -n 's/^# fail \([0-9]*\)$/\1/p' "$log" | tail -n 1)
  [ -z "$node_total" ] || total=$((total + node_total)) failed=$((failed + ${node_failed:-0}))

  local text
  if [ "$total" -gt 0 ] && [ "$failed" -eq 0 ]; then
    text="$total passed"
    [ "$skipped" -eq 0 ] || text+=" ($skipped skipped)"
  elif [ "$total" -gt 0 ]; then
    text="$((total - failed))/$total FAILED"
    [ ${#names[@]} -eq 0 ] || text+=" ($(steps_join ", " "${names[@]}"))"
  elif [ "$status" -eq 0 ]; then
    text=ok
  else
    text="FAILED (exit $status)"
  fi
  # Tests that all passed while the step failed: what came after them did.
  [ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || [ "$total" -eq 0 ] || text+=", then FAILED (exit $status)"
  [ "$status" -eq 0 ] || text+=", see $log"
  printf '%s' "$text"
}

steps_summary() {
  local id passed=0 failed=0 skipped=0 width=0
  for id in "${steps_ids[@]}"; do
    [ ${#steps_label[$id]} -le "$width" ] || width=${#steps_label[$id]}
  done
  echo
  echo "== summary"
  for id in "${steps_ids[@]}"; do
    case "${steps_outcome[$id]}" in
      passed) passed=$((passed + 1)) ;;
      failed) failed=$((failed + 1)) ;;
      *) skipped=$((skipped + 1)) ;;
    esac
    printf '%-*s  %5s  %s\n' "$width" "${steps_label[$id]}" \
      "$((steps_time[$id] / 60)):$(printf '%02d' $((steps_time[$id] % 60)))" "${steps_detail[$id]}"
  done
  local last="$passed passed, $failed failed"
  [ "$skipped" -eq 0 ] || last+=", $skipped skipped"
  echo "$last"
  [ "$failed" -eq 0 ] && [ "$skipped" -eq 0 ]
}
