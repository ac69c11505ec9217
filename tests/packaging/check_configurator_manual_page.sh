#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The zeru-configurator manual page renders without a warning, explains its
# exit statuses and, given the built program, covers every option and
# argument of its usage line.
# Usage: check_configurator_manual_page.sh PAGE.1 [ZERU_CONFIGURATOR]
set -eu
. "$(dirname "$0")/common.sh"
require_tool groff
page=$1
program=${2:-}

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff refuses $page: $warnings"
[ -z "$warnings" ] || fail "groff warns: $warnings"
text=$(groff -man -Tutf8 -P-cbou "$page" 2>/dev/null)
for status in 0 1 2; do
    printf '%s\n' "$text" | sed -n '/^EXIT STATUS/,/^[A-Z]/p' | grep -Eq "^ +$status( |\$)" \
        || fail "the page does not explain exit status $status"
done
printf '%s\n' "$text" | grep -q 'zeru-cli(1)' || fail "the page does not point to zeru-cli(1)"

if [ -n "$program" ]; then
    usage=$("$program" --help) || fail "$program --help fails"
    words=$(printf '%s\n' "$usage" | grep -oE -- '(^|[ [])--?[a-z][a-z-]*|[A-Z]+\.cfg' | tr -d ' [')
    [ -n "$words" ] || fail "found nothing in the usage: $usage"
    for word in $words; do
        printf '%s\n' "$text" | grep -q -- "$word" || fail "the usage names $word, the page does not"
    done
fi
echo "manual page ok"
