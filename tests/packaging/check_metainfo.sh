#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metadata passes appstreamcli and points at the desktop entry.
# Usage: check_metainfo.sh FILE.metainfo.xml
set -eu
. "$(dirname "$0")/common.sh"
require_tool appstreamcli

metainfo=$1
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"

id=$(basename "$metainfo" .metainfo.xml)
grep -q "<id>$id</id>" "$metainfo" || fail "the component id is not $id, the file's name"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $id.desktop"
[ -f "$(dirname "$metainfo")/$id.desktop" ] || fail "no desktop entry $id.desktop beside it"
echo "metainfo ok"
