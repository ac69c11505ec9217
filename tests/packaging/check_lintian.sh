#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's own checker accepts the package: no error and no warning. Tags
# overridden on purpose are listed in the README, with the reason.
# Usage: check_lintian.sh BUILD_DIR
set -eu
. "$(dirname "$0")/common.sh"
require_tool cpack lintian
make_scratch
build=$1

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || fail "cpack fails: $(cat "$scratch/cpack.log")"
deb=$(ls "$scratch"/out/*.deb)

# lintian's own status is 1 for errors only; warnings are found in its report.
lintian --no-tag-display-limit --display-level '>=warning' "$deb" >"$scratch/lintian.log" 2>&1 || true
if grep -Eq '^[EW]: ' "$scratch/lintian.log"; then
    fail "lintian reports: $(grep -E '^[EW]: ' "$scratch/lintian.log")"
fi
grep -q '^internal error\|^Died' "$scratch/lintian.log" && fail "lintian broke: $(cat "$scratch/lintian.log")"
echo "lintian ok: $(basename "$deb")"
