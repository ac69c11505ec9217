#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer fuzzers with clang (in their own build directory, since
# the normal build uses g++) and runs each for a given number of seconds.
#
#   scripts/fuzz.sh [SECONDS] [--merge] [TARGET...]
#
# SECONDS   how long each fuzzer runs (default 60)
# --merge   adds the inputs that reach new code to fuzz/corpus/<target>/
# TARGET    config_file, image, device_replies (default: all three)
#
# The build directory is $ZERU_FUZZ_BUILD (default build-fuzz); $ZERU_FUZZ_SEED
# fixes libFuzzer's seed (default 0: a new one every run). The fuzzers run one per
# core at a time. A finding fails the script with the fuzzer's report; the
# input that caused it is kept in $ZERU_FUZZ_BUILD/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
merge=0
targets=()
for arg in "$@"; do
  case "$arg" in
    --merge) merge=1 ;;
    [0-9]*) seconds="$arg" ;;
    *) targets+=("$arg") ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(config_file image device_replies trace)

build="${ZERU_FUZZ_BUILD:-build-fuzz}"
seed="${ZERU_FUZZ_SEED:-0}"
# Every library is instrumented for coverage; the fuzzers link libFuzzer's main.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZERU_BUILD_FUZZ=ON -DZERU_BUILD_GUI=OFF -DZERU_BUILD_BENCH=OFF -DZERU_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/zeru-fuzz-}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The whole read flow takes some 225 replies of up to 66 input bytes each.
max_len=16384

# One fuzzer per core at a time; each writes its own log, shown when it ends.
fuzz() {  # target
  local target="$1"
  local corpus="fuzz/corpus/$target" work="$build/corpus/$target" findings="$build/findings/$target"
  mkdir -p "$work" "$findings"
  # New inputs go to the work directory; the committed corpus is only read.
  "$build/fuzz/zeru-fuzz-$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -seed="$seed" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$corpus"
  if [ "$merge" = 1 ]; then
    "$build/fuzz/zeru-fuzz-$target" -merge=1 -max_len="$max_len" "$corpus" "$work"
  fi
}
failed=0
batch=()
run_batch() {
  local target
  for target in "${batch[@]}"; do
    fuzz "$target" >"$build/fuzz-$target.log" 2>&1 &
    pids+=("$!")
  done
  local i
  for i in "${!batch[@]}"; do
    local status=0
    wait "${pids[$i]}" || status=$?
    echo "== ${batch[$i]}: ${seconds} s"
    cat "$build/fuzz-${batch[$i]}.log"
    [ "$status" -eq 0 ] || { echo "== ${batch[$i]} found a fault (exit $status)"; failed=1; }
  done
  batch=()
  pids=()
}
pids=()
for target in "${targets[@]}"; do
  batch+=("$target")
  [ "${#batch[@]}" -lt "$(nproc)" ] || run_batch
done
[ "${#batch[@]}" -eq 0 ] || run_batch
exit "$failed"
