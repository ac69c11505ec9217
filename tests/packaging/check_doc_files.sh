#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The licence file is in Debian's machine-readable format with the GPL-3+
# licence, and the changelog parses, names the package and this version.
# Usage: check_doc_files.sh COPYRIGHT CHANGELOG VERSION
set -eu
. "$(dirname "$0")/common.sh"
require_tool dpkg-parsechangelog
copyright=$1
changelog=$2
version=$3

head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "$copyright does not declare the machine-readable format"
grep -qx 'License: GPL-3+' "$copyright" || fail "$copyright has no GPL-3+ licence paragraph"
grep -qx 'Files: \*' "$copyright" || fail "$copyright does not cover every file"

field() { dpkg-parsechangelog -l "$changelog" -S "$1" 2>&1 || fail "the changelog does not parse"; }
[ "$(field Source)" = kestrovane-zeru-configurator ] || fail "the changelog names $(field Source)"
[ "$(field Version)" = "$version" ] || fail "the changelog's latest version is $(field Version), not $version"
echo "doc files ok"
