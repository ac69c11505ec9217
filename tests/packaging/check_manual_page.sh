#!/bin/sh
# The zeru-cli manual page renders without a warning and covers every command,
# option and exit status of the tool. Usage: check_manual_page.sh PAGE.1
set -eu
. "$(dirname "$0")/common.sh"
require_tool groff
page=$1

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff refuses $page: $warnings"
[ -z "$warnings" ] || fail "groff warns: $warnings"

text=$(groff -man -Tutf8 -P-cbou "$page" 2>/dev/null)
for word in defaults encode decode verify read write info upload-firmware \
            --simulate= --sim-version= --sim-fault= --verbose --set --help \
            refuse bad-sum bad-echo short silent; do
    printf '%s\n' "$text" | grep -q -- "$word" || fail "the page does not mention $word"
done
for status in 0 1 2 3 4 5; do
    printf '%s\n' "$text" | sed -n '/^EXIT STATUS/,/^[A-Z]/p' | grep -Eq "^ +$status( |\$)" \
        || fail "the page does not explain exit status $status"
done
echo "manual page ok"
