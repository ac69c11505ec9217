#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zeru-cli.exe under Wine against zeru-sim through the guest kernel's uhid and
# hidraw and Wine's HID bus, in one boot of the test virtual machine.
#
#   windows-hid-in-vm.sh VM_CACHE ZERU_SIM ZERU_CLI_EXE
#
# The Wine prefix is made here on the host (seconds; minutes under the
# guest's emulated processor) in the boot's work folder (cmake/wine-run.sh),
# with Wine's HID bus set to read hidraw: its default backend (SDL) sees game
# controllers only.
# Exit 77 when the machine or Wine is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1 sim=$2 cli=$3
command -v wine >/dev/null || { echo "wine is not installed" >&2; exit 77; }
# Wine takes Unix paths in the locale's character set: in one that is not
# UTF-8, a folder named with a letter outside ASCII would not reach it.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
# The boot's work folder sits under the system's temporary folder, behind a
# space and a letter outside ASCII, with the programs and the guest's script
# copied in: any of those that the guest cannot reach, or a path it splits,
# fails this test.
work=$(mktemp -d "${TMPDIR:-/tmp}/zeru windows ž.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/bin"
cp "$sim" "$work/bin/zeru-sim"
cp "$cli" "$work/bin/zeru-cli.exe"
cp "$here/guest-windows.sh" "$work/bin/"
# A copy of ZERU_WINE_CACHE's prefix when there is one.
"$here/../../cmake/wine-run.sh" --make-prefix
wine reg add 'HKLM\System\CurrentControlSet\Services\winebus' /v "Enable SDL" /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -k  # the registry goes to disk as the server ends
wineserver -w
grep -qi '"Enable SDL"=dword:00000000' "$WINEPREFIX/system.reg" || { echo "could not set up the Wine prefix" >&2; exit 1; }
# What the guest writes: made here, where a Windows program starts in a second.
(cd "$work" && wine "$work/bin/zeru-cli.exe" defaults -o base.cfg) || { echo "zeru-cli.exe defaults failed" >&2; exit 1; }
wineserver -k
cd "$work"
"$here/run-in-vm.sh" --cache "$cache" --timeout 500 --work "$work" -- \
  "$work/bin/guest-windows.sh" "$work/bin/zeru-sim" "$work/bin/zeru-cli.exe"
