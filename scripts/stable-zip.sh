#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Zips one folder so that the same files always give the same bytes: every
# entry stamped with SOURCE_DATE_EPOCH (the last commit's time unless set),
# modes made plain (755 for folders and programs, 644 otherwise), names in
# byte order, no extra attributes (owner, other times).
#
#   scripts/stable-zip.sh FOLDER OUT.zip     (the zip holds FOLDER's name at its top)
set -euo pipefail
folder="${1:?usage: stable-zip.sh FOLDER OUT.zip}"
out="${2:?usage: stable-zip.sh FOLDER OUT.zip}"
epoch="${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$0")" log -1 --format=%ct)}"
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
parent="$(dirname "$folder")"
name="$(basename "$folder")"
find "$folder" -type d -exec chmod 755 {} +
find "$folder" -type f \( -perm -u+x -exec chmod 755 {} + -o -exec chmod 644 {} + \)
find "$folder" -exec env TZ=UTC touch -h -d "@$epoch" {} +
rm -f "$out"
(cd "$parent" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$out")
