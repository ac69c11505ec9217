#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the test guest (see windows-hid-in-vm.sh): zeru-sim makes a
# Kestrovane Zeru appear through uhid, and zeru-cli.exe under Wine reaches it
# through Wine's HID bus (hidraw underneath) with list, info, write, read and
# upload-firmware. $ZERU_VM_WORK/base.cfg is the configuration to write. The
# Wine prefix is $ZERU_VM_WORK/prefix, made on the host with Wine's SDL-only
# HID backend turned off.
#
#   guest-windows.sh ZERU_SIM ZERU_CLI_EXE
# Exit 0 when every step went as it should; 1 otherwise, after all the steps.
set -u
sim=$1 cli=$2
work=${ZERU_VM_WORK:?run me through run-in-vm.sh}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# Wine takes Unix paths in the locale's character set: in one that is not
# UTF-8, a folder named with a letter outside ASCII would not reach it.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8

# Sockets want a real file system, not 9p: a tmpfs inside the work folder
# (Wine's server folder goes in the guest's /tmp, which is writable).
mkdir -p "$work/t"
mount -t tmpfs -o size=64m tmpfs "$work/t" || { echo "FAIL: no tmpfs"; exit 1; }
[ -w /tmp ] || { echo "FAIL: the guest's /tmp is read-only"; exit 1; }
export TMPDIR="$work/t" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ip link set lo up 2>/dev/null

"$sim" --serial ZS0042 --state="$work/memory.bin" 2>"$work/zeru-sim.log" &
sim_pid=$!
node=""
for _ in $(seq 100); do
  for uevent in /sys/class/hidraw/hidraw*/device/uevent; do
    [ -f "$uevent" ] && grep -q '^HID_PHYS=zeru-sim$' "$uevent" && node=$(basename "$(dirname "$(dirname "$uevent")")")
  done
  [ -n "$node" ] && [ -e "/dev/$node" ] && break
  sleep 0.1
done
[ -n "$node" ] || { echo "FAIL: zeru-sim made no hidraw node"; cat "$work/zeru-sim.log"; exit 1; }

# One server for every step; its services start with no output of ours.
start=$(date +%s)
wineserver -p
wineboot </dev/null >/dev/null 2>&1
echo "Wine up in $(($(date +%s) - start)) s"

# run NAME ARGS...: zeru-cli.exe with a time limit; its output in $out, $err, $status.
run() {
  local name=$1 t0
  shift
  t0=$(date +%s)
  out=$(timeout 300 wine "$cli" "$@" 2>"$work/err")
  status=$?
  err=$(tr -d '\r' <"$work/err")
  echo "zeru-cli.exe $*: status $status in $(($(date +%s) - t0)) s"
}

run list list
line=$(printf '%s\n' "$out" | grep -i 'vid_0483&pid_a050' | head -n 1)
# list shows the path with its backslashes escaped, as all outside text;
# --device takes it as shown.
if [ "$status" -eq 0 ] && [[ "$line" == *$'\tZS0042' ]] && [[ "$line" == '\\\\?\\hid#'* ]]; then
  pass "list: $line"
else
  fail "list: status $status, out [$out], err [$err]"
fi
path=${line%%$'\t'*}

run info info --device ZS0042
# The versions are log lines: standard error, as on Linux.
[ "$status" -eq 0 ] && [[ "$err" == *"Firmware version: 1.02"* ]] && pass "info: $err" ||
  fail "info: status $status, out [$out], err [$err]"

cd "$work" || exit 1
# base.cfg: the start-up settings, saved on the host. A new device's memory
# holds no configuration yet, so there is nothing to back up before the first write.
run write write base.cfg --set Radio.Callsign=OK1ZRU --set Radio.SSID=9 --no-backup --device ZS0042
[ "$status" -eq 0 ] && pass "write by serial number" || fail "write: status $status, err [$err]"

run read read -o back.cfg --device "$path"
if [ "$status" -eq 0 ] && tr -d '\r' <back.cfg | grep -q '^Callsign=OK1ZRU$'; then
  pass "read back by path: the written call sign"
else
  fail "read back: status $status, err [$err]"
fi

# With a backup first, into %LOCALAPPDATA%\Kestrovane\Zeru\backups.
run upload upload-firmware
backups="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Kestrovane/Zeru/backups"
if [ "$status" -eq 0 ] && [ -n "$(ls -A "$backups" 2>/dev/null)" ]; then
  pass "upload-firmware, after a backup in $(ls "$backups")"
else
  fail "upload-firmware: status $status, err [$err], backups: $(ls -R "$WINEPREFIX/drive_c/users" 2>&1 | head -n 20)"
fi

cd /
wineserver -k
wineserver -w
kill "$sim_pid" 2>/dev/null
wait "$sim_pid" 2>/dev/null
echo "$failures failures"
[ "$failures" -eq 0 ]
