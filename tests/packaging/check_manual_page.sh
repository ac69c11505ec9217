#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The zeru-cli manual page renders without a warning and covers every command,
# option, fault kind and exit status of the tool. Given the built tool, it
# also covers every command and option that `zeru-cli --help` lists, so the
# page cannot fall behind the program.
# Usage: check_manual_page.sh PAGE.1 [ZERU_CLI]
set -eu
. "$(dirname "$0")/common.sh"
require_tool groff
page=$1
cli=${2:-}

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff refuses $page: $warnings"
[ -z "$warnings" ] || fail "groff warns: $warnings"

text=$(groff -man -Tutf8 -P-cbou "$page" 2>/dev/null)
mentions() { printf '%s\n' "$text" | grep -q -- "$1"; }

for word in defaults encode decode verify read write info upload-firmware \
            --simulate= --sim-version= --sim-fault= --verbose --set --help \
            refuse bad-sum bad-echo short silent wrong-page gone drop flip backups --no-backup --backup-dir; do
    mentions "$word" || fail "the page does not mention $word"
done
for status in 0 1 2 3 4 5; do
    printf '%s\n' "$text" | sed -n '/^EXIT STATUS/,/^[A-Z]/p' | grep -Eq "^ +$status( |\$)" \
        || fail "the page does not explain exit status $status"
done

if [ -n "$cli" ]; then
    help=$("$cli" --help) || fail "$cli --help fails"
    commands=$(printf '%s\n' "$help" | sed -n 's/^ *zeru-cli \([a-z][a-z-]*\).*/\1/p')
    [ -n "$commands" ] || fail "found no commands in zeru-cli --help"
    options=$(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z-]*' | sort -u)
    for word in $commands $options; do
        mentions "$word" || fail "zeru-cli --help lists $word, the page does not"
    done
    # "KIND is a, b or c" may run over several lines of the help text.
    kinds=$(printf '%s\n' "$help" | tr -s '\n ' '  ' | sed -n 's/.*KIND is \([a-z-]*\(, [a-z-]*\)* or [a-z-]*\).*/\1/p' \
            | sed 's/ or / /; s/,/ /g')
    [ -n "$kinds" ] || fail "found no fault kinds in zeru-cli --help"
    for kind in $kinds; do
        mentions "$kind" || fail "zeru-cli --help names fault kind $kind, the page does not"
    done
fi
echo "manual page ok"
