#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The page over the kernel's HID stack: in the project's virtual machine,
# zeru-sim makes a Kestrovane Zeru appear through uhid, and Debian's Chromium,
# with a managed policy that grants that device to the served page, runs
# "Read config" over the real navigator.hid, of a memory that zeru-cli
# encoded with a callsign of its own.
#
#   kernel-run.sh SITE ZERU_SIM ZERU_CLI [VM_CACHE]
#
# The policy is a file of the host (the guest sees the host's root read-only);
# it is removed again whatever happens. Exit 77 when the machine or the
# browser cannot be had here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ -f "${1:?site folder}/core/core.js" ] || { echo "kernel-run: no site built in $1 (scripts/web.sh --build $1)"; exit 77; }
site=$(cd "$1" && pwd)
sim=$(realpath "${2:?zeru-sim}")
cli=$(realpath "${3:?zeru-cli}")
cache=${4:-}
callsign=WEB1KR
port=8000
[ -x /usr/bin/chromium ] && [ -x /usr/bin/chromedriver ] || { echo "kernel-run: no chromium/chromedriver"; exit 77; }
[ -x "$sim" ] || { echo "kernel-run: $sim is not built"; exit 1; }
[ -x "$cli" ] || { echo "kernel-run: $cli is not built"; exit 1; }

policy_dir=/etc/chromium/policies/managed
policy=$policy_dir/zeru-web-kernel-test.json
[ -w /etc ] || { echo "kernel-run: the policy needs root"; exit 77; }
created_dir=false
[ -d "$policy_dir" ] || { mkdir -p "$policy_dir"; created_dir=true; }
# The device's memory: the start-up settings with our callsign (the guest
# copies it; it sees this folder read-only).
state_dir=$(mktemp -d "${TMPDIR:-/tmp}/zeru-web-kernel.XXXXXX")
cleanup() {
  rm -rf "$state_dir"
  rm -f "$policy"
  if $created_dir; then rmdir -p "$policy_dir" 2>/dev/null || true; fi
}
trap cleanup EXIT
HOME="$state_dir" "$cli" defaults -o "$state_dir/start.cfg" >/dev/null
HOME="$state_dir" "$cli" encode "$state_dir/start.cfg" --set "Radio.Callsign=$callsign" -o "$state_dir/memory.bin" >/dev/null
cat > "$policy" <<JSON
{"WebHidAllowDevicesForUrls": [{"devices": [{"vendor_id": 1155, "product_id": 41040}],
                                "urls": ["http://127.0.0.1:$port"]}]}
JSON

args=(--timeout 840)
[ -n "$cache" ] && args+=(--cache "$cache")
"$here/../vm/run-in-vm.sh" "${args[@]}" -- "$here/kernel-guest.sh" "$site" "$sim" "$port" "$state_dir/memory.bin" "$callsign"
