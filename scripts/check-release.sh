#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a release promises, checked on the builds scripts/test.sh made
# (build-web/wasm, build-windows): the page's site zip, the single file and
# the Windows zip packed twice give the same bytes; every version agrees (the
# CMake project, the Debian changelog, the page, the files' names); the page
# keeps to its size (the site at most 1.5 MB, the single file at most 2 MB).
set -euo pipefail
cd "$(dirname "$0")/.."
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
fail() { echo "check-release: $*" >&2; exit 1; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

./scripts/release.sh --pack-only --out "$scratch/one" >/dev/null
sleep 1  # a second run a second later: no time of the run may reach the files
./scripts/release.sh --pack-only --out "$scratch/two" >/dev/null
(cd "$scratch/one" && ls) >"$scratch/names"
[ "$(wc -l <"$scratch/names")" -eq 4 ] || fail "the release holds $(tr '\n' ' ' <"$scratch/names")"
while read -r name; do
  cmp -s "$scratch/one/$name" "$scratch/two/$name" || fail "$name differs between two runs"
done <"$scratch/names"

version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
changelog="$(dpkg-parsechangelog -l packaging/changelog -S Version)"
[ "$changelog" = "$version" ] || fail "the changelog says $changelog, CMakeLists.txt $version"
# The page shows the version the core describes the form with.
grep -qF "kVersionLabel = \"v$version\"" core/settings/catalogue.h || fail "the page's version is not v$version"
for name in "zeru-configurator-$version-site.zip" "zeru-configurator-$version.html" \
            "zeru-cli-$version-windows-x64.zip" SHA256SUMS; do
  [ -f "$scratch/one/$name" ] || fail "no $name"
done
(cd "$scratch/one" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not match"

site_bytes="$(unzip -l "$scratch/one/zeru-configurator-$version-site.zip" | tail -n 1 | awk '{print $1}')"
single_bytes="$(stat -c %s "$scratch/one/zeru-configurator-$version.html")"
echo "site $site_bytes bytes, single file $single_bytes bytes"
[ "$site_bytes" -le 1500000 ] || fail "the site is $site_bytes bytes, over 1.5 MB"
[ "$single_bytes" -le 2000000 ] || fail "the single file is $single_bytes bytes, over 2 MB"
echo "release ok"
