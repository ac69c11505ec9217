#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of zeru-cli, sourced as bash-completion sources it,
# offers the tool's commands, a command's options, the simulator's fault kinds
# and file names.
# Usage: check_bash_completion.sh COMPLETION_FILE ZERU_CLI
set -eu
. "$(dirname "$0")/common.sh"
require_tool bash
make_scratch
completion=$1
cli=$2
mkdir "$scratch/bin"
ln -s "$cli" "$scratch/bin/zeru-cli"
mkdir "$scratch/work"
touch "$scratch/work/base.cfg" "$scratch/work/backup.cfg"

# Each case: the words typed (the last one is being completed), then the
# completions expected, all of them and nothing else.
cd "$scratch/work"
PATH="$scratch/bin:$PATH" bash -s "$completion" <<'CASES' || fail "completion gives other words"
set -u
. "$1"
status=0
expect() { # "WORDS" EXPECTED...
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    shift
    _zeru_cli
    local got="${COMPREPLY[*]:-}" want="$*"
    if [[ $(tr ' ' '\n' <<<"$got" | sort | xargs) != $(tr ' ' '\n' <<<"$want" | sort | xargs) ]]; then
        echo "FAIL: '${COMP_WORDS[*]}' completes to '$got', not '$want'" >&2
        status=1
    fi
}
expect "zeru-cli de" defaults decode
expect "zeru-cli u" upload-firmware
expect "zeru-cli --sim" --simulate= --sim-version= --sim-fault= --simulated
expect "zeru-cli encode base.cfg --" --set --help
expect "zeru-cli write b" backup.cfg base.cfg
expect "zeru-cli --simulate = ba" backup.cfg base.cfg
expect "zeru-cli --sim-fault = bad" bad-sum: bad-echo:
expect "zeru-cli read -o ba" backup.cfg base.cfg
exit $status
CASES
echo "bash completion ok"
