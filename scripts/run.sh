#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# A second run compiles only what changed when ccache is installed.
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_TESTS=OFF -DZERU_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec ./build/app/zeru-configurator
