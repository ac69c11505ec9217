#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed configurator starts from a staged install tree on the
# offscreen platform. It reads no command line and runs until its window is
# closed, so "still running when the time limit hits" is the success.
# Usage: check_configurator_starts.sh BUILD_DIR
set -eu
. "$(dirname "$0")/common.sh"
require_tool timeout
make_scratch
build=$1

stage="$scratch/stage"
cmake --install "$build" --prefix "$stage" >"$scratch/install.log" 2>&1 \
    || fail "cmake --install fails: $(cat "$scratch/install.log")"

status=0
(cd "$scratch" && QT_QPA_PLATFORM=offscreen timeout 8 "$stage/bin/zeru-configurator") || status=$?
[ $status -eq 124 ] || fail "zeru-configurator ended early with status $status"
echo "zeru-configurator was still running after 8 s"
