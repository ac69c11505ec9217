#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts every item in place; the install component that the
# Debian package is made of holds exactly these items and nothing else.
# Usage: check_install_tree.sh BUILD_DIR ITEM...   (items relative to the prefix)
set -eu
. "$(dirname "$0")/common.sh"
make_scratch
build=$1
shift

install_to() { # STAGE [cmake --install options]
    stage=$1
    shift
    cmake --install "$build" --prefix "$stage" "$@" >"$scratch/install.log" 2>&1 \
        || fail "cmake --install $* fails: $(cat "$scratch/install.log")"
}

check_items() { # STAGE ITEM...
    stage=$1
    shift
    for item in "$@"; do
        [ -f "$stage/$item" ] || fail "not installed: $item"
        case $item in
            bin/*) [ -x "$stage/$item" ] || fail "not executable: $item" ;;
            *) [ ! -x "$stage/$item" ] || fail "a data file is executable: $item" ;;
        esac
    done
}

install_to "$scratch/all"
check_items "$scratch/all" "$@"

install_to "$scratch/package" --component zeru_package
check_items "$scratch/package" "$@"
printf '%s\n' "$@" | sort >"$scratch/expected"
(cd "$scratch/package" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$scratch/installed"
extra=$(comm -13 "$scratch/expected" "$scratch/installed")
[ -z "$extra" ] || fail "the package component holds unexpected files: $extra"
echo "install tree ok: $# items"
