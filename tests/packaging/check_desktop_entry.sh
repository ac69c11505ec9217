#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry passes desktop-file-validate, starts the configurator and
# sits in the amateur radio menu. Usage: check_desktop_entry.sh FILE.desktop
set -eu
. "$(dirname "$0")/common.sh"
require_tool desktop-file-validate

entry=$1
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate refuses $entry: $out"
# It reports hints on standard output but still exits 0; treat them as faults.
[ -z "$out" ] || fail "desktop-file-validate reports: $out"

grep -qx 'Exec=zeru-configurator %f' "$entry" || fail "the entry does not start zeru-configurator"
grep -Eq '^Categories=(.*;)?HamRadio;' "$entry" || fail "the entry is not in the HamRadio category"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$(dirname "$entry")/$icon.svg" ] || fail "no icon $icon.svg beside the entry"
echo "desktop entry ok"
