#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The udev rule opens the device's hidraw node, and only it, to the user at
# the seat. Usage: check_udev_rule.sh RULES_FILE
#
# The checker is also run over broken copies of the rule, each of which it
# must refuse, so that a lenient checker cannot pass the real file by accident.
set -eu
. "$(dirname "$0")/common.sh"

# Prints one line per fault of a rules file; prints nothing for a sound one.
rule_faults() {
    file=$1
    case $(basename "$file") in
        [0-6][0-9]-*.rules|7[0-2]-*.rules) ;;
        *) echo "the name must sort before 73-seat-late.rules, which acts on the uaccess tag" ;;
    esac
    # One rule per logical line; a trailing backslash continues a line.
    sed -e ':a' -e '/\\$/N; s/\\\n//; ta' "$file" | grep -Ev '^[[:space:]]*(#|$)' >"$scratch/rules" || true
    [ -s "$scratch/rules" ] || echo "no rule at all"
    while IFS= read -r rule; do
        case $rule in *'SUBSYSTEM=="hidraw"'*) ;; *) echo "not limited to hidraw nodes: $rule" ;; esac
        case $rule in *'ATTRS{idVendor}=="0483"'*) ;; *) echo "does not match vendor 0483: $rule" ;; esac
        # udev compares the lower-case text of sysfs: "A050" would never match.
        case $rule in *'ATTRS{idProduct}=="a050"'*) ;; *) echo "does not match product a050: $rule" ;; esac
        case $rule in *'TAG+="uaccess"'*) ;; *) echo "does not tag the node for the seat user: $rule" ;; esac
        case $rule in *MODE*|*GROUP*|*OWNER*) echo "sets a mode, group or owner: $rule" ;; esac
        case $rule in *'*'*|*'?'*|*'|'*|*'['*) echo "uses a pattern: $rule" ;; esac
    done <"$scratch/rules"
}

make_scratch
rules=$1

faults=$(rule_faults "$rules")
[ -z "$faults" ] || fail "$rules: $faults"

# Each broken copy keeps the real file's name unless the name is the fault.
# Lines: NAME<TAB>SED_SCRIPT ("-" keeps the real name).
tab=$(printf '\t')
mkdir "$scratch/broken"
while IFS=$tab read -r name script; do
    [ "$name" != "-" ] || name=$(basename "$rules")
    broken="$scratch/broken/$name"
    sed -e "$script" "$rules" >"$broken"
    [ -n "$(rule_faults "$broken")" ] || fail "the checker accepts a broken rule: $(grep -v '^#' "$broken")"
    rm "$broken"
done <<MUTATIONS
-${tab}s/TAG+="uaccess"/MODE="0666"/
-${tab}s/, TAG+="uaccess"/, TAG+="uaccess", MODE="0666"/
-${tab}s/, TAG+="uaccess"/, TAG+="uaccess", GROUP="plugdev"/
-${tab}s/, ATTRS{idProduct}=="a050"//
-${tab}s/a050/A050/
-${tab}s/0483/04*/
-${tab}s/SUBSYSTEM=="hidraw"/SUBSYSTEM=="usb"/
-${tab}\$a KERNEL=="hidraw*", TAG+="uaccess"
-${tab}/^[^#]/d
99-late.rules${tab}
MUTATIONS
echo "udev rule ok"
