#!/bin/busybox sh
# SPDX-License-Identifier: GPL-3.0-or-later
# /init of the test guest. Loads the modules, mounts the host's root read-only
# and the run's work folder writable (both over virtio-9p), runs the host-side
# script named on the kernel command line inside a chroot of the host root,
# prints the result marker and powers off.
/bin/busybox --install -s /bin
export PATH=/bin

mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

for m in $(cat /modules.order); do
  insmod "/lib/modules/$m.ko" || echo "zeru-vm: insmod $m failed"
done

work=""
script=""
for arg in $(cat /proc/cmdline); do
  case "$arg" in
    zeru.work=*) work="${arg#zeru.work=}" ;;
    zeru.run=*) script="${arg#zeru.run=}" ;;
  esac
done

finish() {
  echo "ZERU-VM-EXIT=$1"
  sync
  poweroff -f
}

opts="trans=virtio,version=9p2000.L,msize=262144"
mkdir -p /newroot
mount -t 9p -o "$opts,ro,cache=loose" hostroot /newroot || finish 125
# The work folder has the same path inside as outside, so paths in the script hold.
mount -t 9p -o "$opts" work "/newroot$work" || finish 125
mount -o bind /dev "/newroot/dev"
mkdir -p /dev/shm /dev/pts && mount -t tmpfs tmpfs /dev/shm
mount -t proc proc /newroot/proc
mount -t sysfs sysfs /newroot/sys

chroot /newroot /bin/sh "$script"
rc=$?
echo "$rc" > "/newroot$work/vm-exit-status"
umount "/newroot$work"
finish "$rc"
