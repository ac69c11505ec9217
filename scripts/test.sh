#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite through ctest.
#
# First the formatting. Then one build folder serves two passes: the core
# alone, with the window switched off (proof that the logic needs no GUI),
# then the same folder with the window switched on, which compiles only what
# the window adds, runs clang-tidy over the core and the window, and runs
# every test.
# A Release tree (-O3, tests included) is built and tested too, so that
# warnings the optimiser finds are seen and the tests run on optimised code.
# The core's unit tests run again as WebAssembly under node, and the browser
# page in headless Chromium. Every build treats warnings as errors and goes through ccache when it is
# installed. Last, each fuzzer runs for 60 seconds.
#
# Every step runs, whatever became of the ones before; a step that needs what
# an earlier one failed to make is skipped. Each step's output is shown as it
# comes and kept in build-test/steps/STEP.log. At the end, a summary of the
# steps with their outcome and time, and the line "N passed, N failed" (a step
# counts as one). Exit 0 only when every step passed.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}" # emscripten's optimiser finds acorn there
jobs="$(nproc)"
build="build-test"
release="build-test-release"
wasm="build-web/wasm"
site="build-web/site"
strict=(-DZERU_WERROR=ON)
# Repeated runs compile only what changed; fuzz.sh's clang build picks the
# launcher up from the environment.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
  # Paths inside the checkout count relative to it, so that a clone in another
  # folder (as CI makes) finds what an earlier run compiled.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
  strict+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

. scripts/test-steps.sh
steps_begin "$build/steps"

step deps "dependencies" -- ./scripts/install-deps.sh --test

step format "formatting" -- ./scripts/check-format.sh

core() {
  cmake -S . -B "$build" "${strict[@]}" -DZERU_SANITIZE=ON -DZERU_BUILD_GUI=OFF -DZERU_BUILD_BENCH=OFF &&
    cmake --build "$build" -j"$jobs" || return
  # The virtual-machine and package checks need the whole program: second pass.
  ctest --test-dir "$build" --output-on-failure -j"$jobs" -E '^(vm_|packaging_)'
}
step core "core, without the window" -- core

# The whole program: the window, the benchmarks, the virtual-machine tests.
sanitizers_build() {
  cmake -S . -B "$build" "${strict[@]}" -DZERU_SANITIZE=ON -DZERU_BUILD_GUI=ON -DZERU_BUILD_BENCH=ON &&
    cmake --build "$build" -j"$jobs"
}
step build "sanitizers: build" -- sanitizers_build

# clang-tidy over the core and the window: after the build, whose dependency
# files tell which sources are unchanged since a clean run.
step tidy "clang-tidy" --needs build -- ./scripts/check-tidy.sh "$build"

# (The browser page through the kernel needs the site: it runs below.)
step sanitizers "sanitizers" --needs build -- \
  ctest --test-dir "$build" --output-on-failure -j"$jobs" -E '^vm_web_'

# Windows: zeru-cli.exe cross-built with MinGW-w64 (warnings as errors), the
# core's unit tests and zeru-cli's end-to-end tests run under Wine in one
# Wine prefix of the build folder's, zeru-cli's outputs compared with this
# Linux build's command by command, and the zip made (scripts/windows.sh).
# In the test virtual machine (vm_windows_hid, about 3 minutes), zeru-cli.exe
# under Wine reaches this build's zeru-sim through Wine's HID bus, from a work
# folder whose path holds a space and a letter outside ASCII.
# Objects come from ccache; a fresh Wine prefix is kept outside the checkout.
windows() {
  local wine_cache=/var/cache/zeru-wine
  mkdir -p "$wine_cache" 2>/dev/null && [ -w "$wine_cache" ] || wine_cache="${TMPDIR:-/tmp}/zeru-wine-$(id -u)"
  ZERU_WERROR=ON ZERU_NATIVE_CLI="$PWD/$build/cli/zeru-cli" ZERU_NATIVE_SIM="$PWD/$build/sim/uhid/zeru-sim" \
    ZERU_VM_CACHE="$PWD/$build/vm-cache" ZERU_WINE_CACHE="$wine_cache" ./scripts/windows.sh --test
}
step windows "Windows" --needs build -- windows

release_tree() {
  cmake -S . -B "$release" "${strict[@]}" -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_GUI=ON -DZERU_BUILD_BENCH=ON &&
    cmake --build "$release" -j"$jobs" || return
  # The tests again on optimised code (undefined behaviour shows differently
  # there); the virtual-machine and package checks ran on the build above.
  ctest --test-dir "$release" --output-on-failure -j"$jobs" -E '^(vm_|packaging_)'
}
step release "Release" -- release_tree

# The core as WebAssembly (Debian's emscripten), warnings as errors: one
# build folder makes the site's module and the core's own unit tests, which
# ctest runs under node (the few that node's file system cannot set up are
# listed, with why, in tests/CMakeLists.txt).
wasm_build() {
  emcmake cmake -S . -B "$wasm" "${strict[@]}" -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_GUI=OFF \
    -DZERU_BUILD_BENCH=OFF -DZERU_BUILD_TESTS=ON >/dev/null &&
    cmake --build "$wasm" -j"$jobs"
}
step wasm_build "WebAssembly: build" -- wasm_build
step wasm "WebAssembly" --needs wasm_build -- \
  ctest --test-dir "$wasm" --output-on-failure -j"$jobs"

# The browser page (web/, tests/web/): the site built as scripts/web.sh builds
# it (from the folder above), driven in Debian's headless Chromium through
# chromedriver with a fake navigator.hid backed by the simulator in
# WebAssembly, its log lines checked against zeru-cli's.
site() {
  ZERU_WASM_BUILD="$wasm" ./scripts/web.sh --build "$site" || return
  [ -f "$site/core/core.js" ] || { echo "no core module in $site/core"; return 1; }
}
step site "page: site" --needs wasm_build -- site

# "Read config" through the kernel in the virtual machine, Chromium's real
# WebHID (about nine minutes of one core under emulation): in the background
# while the page's other tests run; its output comes after theirs.
vm_web_pid=""
if steps_ready site build; then
  ctest --test-dir "$build" --output-on-failure -R '^vm_web_' >"$steps_logs/vm_web.out" 2>&1 &
  vm_web_pid=$!
fi
step page "page in Chromium" --needs site build -- \
  env ZERU_WEB_SITE="$PWD/$site" ZERU_CLI="$PWD/$build/cli/zeru-cli" \
  /usr/bin/python3 -m unittest discover -s tests/web -p 'test_*.py'
# The browser's core under node: every device command and fault against
# zeru-cli's lines, files byte for byte, backups.
step web_core "page's core under node" --needs wasm_build build -- \
  env ZERU_WEB_CORE="$PWD/$wasm/web/core" ZERU_CLI="$PWD/$build/cli/zeru-cli" node --test tests/wasm/
# The same page tests on the page as one file, opened from disk.
single_page() {
  ./scripts/web.sh --single build-web/zeru-configurator.html || return
  ZERU_WEB_PAGE="$PWD/build-web/zeru-configurator.html" ZERU_WEB_SITE="$PWD/$site" \
    ZERU_CLI="$PWD/$build/cli/zeru-cli" /usr/bin/python3 -m unittest discover -s tests/web -p 'test_*.py'
}
step single_page "page as one file" --needs site build -- single_page
# The release's page and Windows zip, from the builds above: packed twice to
# the same bytes, versions agreeing, the page within its size.
step release_check "release: reproducible" --needs site windows -- ./scripts/check-release.sh
vm_web_status=0
[ -z "$vm_web_pid" ] || wait "$vm_web_pid" || vm_web_status=$?
vm_web() {
  cat "$steps_logs/vm_web.out"
  return "$vm_web_status"
}
step vm_web "page through the kernel" --needs site build -- vm_web

# Each fuzzer for 60 seconds on top of its committed corpus (clang, own build).
# The seed is fixed so that a run can be repeated: a finding here comes from a
# change and shows again on the developer's machine. Longer runs with new seeds
# (scripts/fuzz.sh alone) look for new findings.
step fuzz "fuzzers" -- env ZERU_FUZZ_BUILD=build-fuzz ZERU_FUZZ_SEED=1 ./scripts/fuzz.sh 60

steps_summary
