#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite through ctest:
# once for the core alone (no GUI), once for everything.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs="$(nproc)"

cmake -S . -B build-test-core -DZERU_SANITIZE=ON -DZERU_BUILD_GUI=OFF -DZERU_BUILD_BENCH=OFF
cmake --build build-test-core -j"$jobs"
ctest --test-dir build-test-core --output-on-failure -j"$jobs"

cmake -S . -B build-test -DZERU_SANITIZE=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test --output-on-failure -j"$jobs"

# Each fuzzer for 60 seconds on top of its committed corpus (clang, own build).
ZERU_FUZZ_BUILD=build-fuzz ./scripts/fuzz.sh 60
