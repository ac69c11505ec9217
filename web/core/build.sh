#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core as WebAssembly (Debian's emscripten) and puts what the page
# loads into DIR: zeru-core.js/.wasm, zeru-sim.js/.wasm (the simulated device,
# for tests) and the JavaScript beside them. Called by scripts/web.sh.
#
#   web/core/build.sh DIR
set -euo pipefail
out="${1:?usage: web/core/build.sh DIR}"
cd "$(dirname "$0")/../.."
build="${ZERU_WASM_BUILD:-build-web/wasm}"

# Debian's emscripten finds its optimiser's parser (acorn) there.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
launcher=()
if command -v ccache >/dev/null; then
  # Paths inside the checkout count relative to it, so a clone elsewhere reuses the objects.
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# A folder configured already (the test script's, with the tests) is built as it is.
if [ ! -f "$build/CMakeCache.txt" ]; then
  emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_GUI=OFF -DZERU_BUILD_BENCH=OFF \
    -DZERU_BUILD_TESTS=OFF ${ZERU_REPRODUCIBLE:+-DZERU_REPRODUCIBLE="$ZERU_REPRODUCIBLE"} "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target zeru-core zeru-sim-web

mkdir -p "$out"
for f in zeru-core.js zeru-core.wasm zeru-sim.js zeru-sim.wasm core.js hid-transport.js sim-hid.js; do
  cp "$build/web/core/$f" "$out/$f"
done
