#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Boots a throw-away virtual machine on Debian's kernel (with uhid, hidraw and
# hid-generic, which the host kernel may lack) and runs one command inside it,
# in a chroot of the host's root shared read-only, so freshly built programs
# run with the host's own libraries. The command's exit status becomes ours.
#
#   run-in-vm.sh [--cache DIR] [--timeout SECONDS] [--log FILE] [--work DIR] -- COMMAND [ARGS...]
#
# The command runs in the current folder (any folder of the host's, whatever
# its name) with TMPDIR and HOME set to a writable work folder that lives as
# long as the boot; $ZERU_VM_WORK names it. --work DIR makes an existing
# folder the work folder, with what the caller put in it beforehand (the
# caller removes it afterwards). Anything else in the host tree is read-only
# inside, but for /tmp, whose writes stay in the guest's memory. Exit 77 when the machine cannot be prepared
# (no qemu, no busybox, kernel not downloadable); 124 when the time limit hit.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${ZERU_VM_CACHE:-/var/cache/zeru-vm}
limit=60
log=""
given_work=""
while [ $# -gt 0 ]; do
  case "$1" in
    --work) given_work=$2; shift 2 ;;
    --cache) cache=$2; shift 2 ;;
    --timeout) limit=$2; shift 2 ;;
    --log) log=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "run-in-vm: unknown option $1" >&2; exit 2 ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: run-in-vm.sh [--cache DIR] [--timeout S] [--log FILE] [--work DIR] -- COMMAND..." >&2; exit 2; }

command -v qemu-system-x86_64 >/dev/null ||
  { echo "run-in-vm: qemu-system-x86_64 missing (apt-get install qemu-system-x86)" >&2; exit 77; }
mkdir -p "$cache"
"$here/prepare-kernel.sh" "$cache"
"$here/build-initramfs.sh" "$cache"

if [ -n "$given_work" ]; then
  work=$(cd "$given_work" && pwd)
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/zeru-vm.XXXXXX")
  trap 'rm -rf "$work"' EXIT
fi
# Any path will do (spaces, any letters): the guest reads the work folder's
# place from vm-work-path, and the command from run.sh, which bash runs.
printf '%s' "$work" > "$work/vm-work-path"
rm -f "$work/vm-exit-status"
q() { printf '%q' "$1"; }
{
  echo "cd $(q "$PWD") || exit 126"
  echo "export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"
  echo "export TMPDIR=$(q "$work") HOME=$(q "$work") ZERU_VM_WORK=$(q "$work") XDG_RUNTIME_DIR=$(q "$work/xdg")"
  echo "mkdir -p -m 700 \"\$XDG_RUNTIME_DIR\""
  # Pass on the sanitizer and test settings the caller runs with.
  for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS QT_QPA_PLATFORM ZERU_SOURCE_DIR; do
    [ -n "${!v:-}" ] && echo "export $v=$(q "${!v}")"
  done
  printf '%q ' "$@"; echo
} > "$work/run.sh"

console="$work/console.log"
set +e
timeout -k 5 "$limit" qemu-system-x86_64 \
  -accel tcg -machine pc -m 1024 -smp 1 -nographic -no-reboot -nodefaults -no-user-config \
  -serial stdio -monitor none \
  -kernel "$cache/vmlinux" -initrd "$cache/initramfs.cpio.gz" \
  -append "console=ttyS0 quiet loglevel=3 panic=-1" \
  -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
  -virtfs "local,path=${work//,/,,},mount_tag=work,security_model=none,multidevs=remap" \
  </dev/null 2>&1 | tr -d '\r' | tee "$console"
qemu_status=${PIPESTATUS[0]}
set -e
[ -n "$log" ] && cp "$console" "$log"

if [ "$qemu_status" -eq 124 ] || [ "$qemu_status" -eq 137 ]; then
  echo "run-in-vm: the virtual machine did not finish within $limit s" >&2
  exit 124
fi
if [ ! -f "$work/vm-exit-status" ]; then
  echo "run-in-vm: the guest ended without a result (qemu status $qemu_status)" >&2
  exit 125
fi
exit "$(cat "$work/vm-exit-status")"
