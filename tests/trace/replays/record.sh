#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records the traces of this folder again, with the simulator's faults:
#
#   tests/trace/replays/record.sh build/cli/zeru-cli
#
# Each trace holds its command line and log lines; trace_cli_tests replays it
# with that command line and compares the log lines. A trace a user sends
# goes here as it is (with any .cfg its command names).
set -euo pipefail
cli=$(realpath "$1")
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config

"$cli" defaults -o base.cfg
# A device that holds a configuration, for the reads.
"$cli" --simulate="$work/written.bin" write --no-backup base.cfg

record() {  # NAME ARGS...: ARGS with --simulate, on a copy of the written device
    local name=$1
    shift
    cp "$work/written.bin" "$work/state.bin"
    # A write to an erased device, so that a page kept or changed shows.
    [[ $name == write-* ]] && rm "$work/state.bin"
    "$cli" --simulate="$work/state.bin" --trace="$name.pcapng" "$@" >/dev/null 2>&1 || true
}
record read-short-5 --sim-fault=short:5 read -o out.cfg
record read-silent-5 --sim-fault=silent:5 read -o out.cfg
record read-gone-5 --sim-fault=gone:5 read -o out.cfg
record read-bad-sum-5 --sim-fault=bad-sum:5 read -o out.cfg
record read-wrong-page-5 --sim-fault=wrong-page:5 read -o out.cfg
record read-refuse-60 --sim-fault=refuse:60 read -o out.cfg
record read-bad-echo-fw --sim-fault=bad-echo:fw read -o out.cfg
record read-firmware-101 --sim-version=101 read -o out.cfg
record write-refuse-16 --sim-fault=refuse:16 write --no-backup base.cfg
record write-gone-3 --sim-fault=gone:3 write --no-backup base.cfg
record write-drop-7 --sim-fault=drop:7 write --no-backup base.cfg
record upload-refuse-100 --sim-fault=refuse:100 upload-firmware --no-backup
record info-bad-echo-hw --sim-fault=bad-echo:hw info
record list-versions list --versions
rm -f out.cfg
