#!/bin/busybox sh
# SPDX-License-Identifier: GPL-3.0-or-later
# /init of the test guest. Loads the modules, mounts the host's root read-only
# and the run's work folder writable (both over virtio-9p), runs the work
# folder's run.sh inside a chroot of the host root, prints the result marker
# and powers off.
#
# No path of the host's passes on the kernel command line (it cannot hold
# spaces): the work folder names its own place in the host tree, in
# vm-work-path. /tmp is the host's /tmp with what the guest writes there kept
# in the guest's memory (an overlay), so that programs that want a writable
# /tmp (Wine's server) find one while a checkout or a work folder under the
# host's /tmp stays visible.
/bin/busybox --install -s /bin
export PATH=/bin

mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

for m in $(cat /modules.order); do
  insmod "/lib/modules/$m.ko" || echo "zeru-vm: insmod $m failed"
done

finish() {
  echo "ZERU-VM-EXIT=$1"
  sync
  poweroff -f
}

opts="trans=virtio,version=9p2000.L,msize=262144"
mkdir -p /newroot /work /scratch
mount -t 9p -o "$opts,ro,cache=loose" hostroot /newroot || finish 125
mount -t 9p -o "$opts" work /work || finish 125
work=$(cat /work/vm-work-path) && [ -n "$work" ] || { echo "zeru-vm: no vm-work-path"; finish 125; }

mount -t tmpfs -o size=256m tmpfs /scratch
mkdir -p /scratch/upper /scratch/overlay-work
mount -t overlay overlay -o lowerdir=/newroot/tmp,upperdir=/scratch/upper,workdir=/scratch/overlay-work \
  /newroot/tmp || echo "zeru-vm: /tmp stays read-only"
# The work folder has the same path inside as outside, so paths in the script hold.
mount -o bind /work "/newroot$work" || finish 125
mount -o bind /dev /newroot/dev
mkdir -p /dev/shm /dev/pts && mount -t tmpfs tmpfs /dev/shm
mount -t proc proc /newroot/proc
mount -t sysfs sysfs /newroot/sys

chroot /newroot /bin/bash "$work/run.sh"
rc=$?
echo "$rc" > /work/vm-exit-status
finish "$rc"
