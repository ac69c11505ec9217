#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release into dist/ (or OUT), everything a user can take:
#   kestrovane-zeru-configurator_VERSION_amd64.deb   the window, zeru-cli, the udev rule
#   zeru-configurator-VERSION-site.zip               the page's site, for any static server
#   zeru-configurator-VERSION.html                   the page as one file, opened from disk
#   zeru-cli-VERSION-windows-x64.zip                 zeru-cli.exe with its README
#   SHA256SUMS
# The builds are reproducible: with the same SOURCE_DATE_EPOCH (the last
# commit's time unless set) two runs give the same bytes, and no file names
# the folder it was built in.
#
#   scripts/release.sh [--out OUT]
#   scripts/release.sh --pack-only --out OUT   packs the page and the Windows
#       zip from the builds already made (build-web/wasm, build-windows), no
#       package: what scripts/check-release.sh runs twice
set -euo pipefail
cd "$(dirname "$0")/.."
out=dist
pack_only=false
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out="${2:?--out needs a folder}"; shift 2 ;;
    --pack-only) pack_only=true; shift ;;
    -h|--help) sed -n '3,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "release.sh: unknown option $1" >&2; exit 1 ;;
  esac
done
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
export TZ=UTC LC_ALL=C.UTF-8
version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
rm -f "$out"/*.deb "$out"/*.zip "$out"/*.html "$out/SHA256SUMS"

if ! $pack_only; then
  ./scripts/install-deps.sh
  . scripts/install-missing.sh
  install_missing dpkg-dev zip
  export ZERU_REPRODUCIBLE=ON ZERU_WASM_BUILD=build-release-web
  echo "== the Debian package"
  cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_TESTS=OFF -DZERU_BUILD_BENCH=OFF \
    -DZERU_REPRODUCIBLE=ON
  cmake --build build-release -j"$(nproc)"
  (cd build-release && cpack -G DEB >/dev/null)
  cp build-release/kestrovane-zeru-configurator_"$version"_*.deb "$out/"
  echo "== zeru-cli for Windows"
  ZERU_WINDOWS_BUILD=build-release-windows ./scripts/windows.sh >/dev/null
  windows=build-release-windows
else
  windows="${ZERU_WINDOWS_BUILD:-build-windows}"
fi

echo "== the page"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
site="$stage/zeru-configurator-$version-site"
./scripts/web.sh --build "$site" >/dev/null
./scripts/web.sh --single "$out/zeru-configurator-$version.html" >/dev/null
scripts/stable-zip.sh "$site" "$out/zeru-configurator-$version-site.zip"

echo "== the Windows zip"
# Packed again from the program built, so that its times are the release's.
windows_name="zeru-cli-$version-windows-x64"
[ -d "$windows/$windows_name" ] || { echo "no $windows/$windows_name: run scripts/windows.sh" >&2; exit 1; }
cp -r "$windows/$windows_name" "$stage/"
scripts/stable-zip.sh "$stage/$windows_name" "$out/$windows_name.zip"

(cd "$out" && sha256sum -- *.deb *.zip *.html 2>/dev/null >SHA256SUMS || sha256sum -- *.zip *.html >SHA256SUMS)
echo "Release $version in $out:"
ls -l "$out"
