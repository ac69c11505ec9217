#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Inside the test guest (see kernel-run.sh): zeru-sim on uhid, the site served
# on 127.0.0.1:PORT and Chromium's real WebHID (kernel_read.py).
#   kernel-guest.sh SITE ZERU_SIM PORT MEMORY.bin CALLSIGN
set -u
site=$1 sim=$2 port=$3 memory=$4 callsign=$5
work=${ZERU_VM_WORK:?run me through run-in-vm.sh}
ip link set lo up
# Chromium needs sockets and speed: a tmpfs, not the 9p work folder.
mkdir -p "$work/t" && mount -t tmpfs -o size=400m tmpfs "$work/t"
export TMPDIR=$work/t HOME=$work/t XDG_RUNTIME_DIR=$work/t/xdg
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

cp "$memory" "$work/t/memory.bin"
"$sim" --state="$work/t/memory.bin" 2>"$work/t/zeru-sim.log" &
sim_pid=$!
node=""
for _ in $(seq 100); do
  for uevent in /sys/class/hidraw/hidraw*/device/uevent; do
    [ -f "$uevent" ] && grep -q '^HID_PHYS=zeru-sim$' "$uevent" && node=/dev/$(basename "$(dirname "$(dirname "$uevent")")")
  done
  [ -n "$node" ] && [ -e "$node" ] && break
  sleep 0.1
done
[ -n "$node" ] || { echo "FAIL: zeru-sim made no hidraw node"; cat "$work/t/zeru-sim.log"; exit 1; }
echo "ok: zeru-sim on $node"

/usr/bin/python3 "$(dirname "$0")/kernel_read.py" "$site" "$port" "$callsign"
rc=$?
kill "$sim_pid" 2>/dev/null
wait "$sim_pid" 2>/dev/null
exit $rc
