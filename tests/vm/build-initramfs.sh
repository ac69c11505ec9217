#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the test guest's initramfs: static busybox, the modules fetched by
# prepare-kernel.sh and guest-init.sh as /init. No udev: devtmpfs makes the
# device nodes and hidapi enumerates from sysfs.
#
#   build-initramfs.sh CACHE_DIR     -> CACHE_DIR/initramfs.cpio.gz
set -euo pipefail

cache=$(cd "${1:?usage: build-initramfs.sh CACHE_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out="$cache/initramfs.cpio.gz"
busybox=$(command -v busybox || true)
[ -n "$busybox" ] || { echo "build-initramfs: busybox missing (apt-get install busybox-static)" >&2; exit 77; }
if ! file -L "$busybox" 2>/dev/null | grep -q 'statically linked'; then
  # Without 'file', trust the package.
  command -v file >/dev/null && { echo "build-initramfs: $busybox is not static (busybox-static)" >&2; exit 77; }
fi

# Rebuild only when an input is newer than the archive.
if [ -f "$out" ] && [ "$out" -nt "$here/guest-init.sh" ] && [ "$out" -nt "$cache/kernel.ready" ] &&
   [ "$out" -nt "$busybox" ]; then
  exit 0
fi

root=$(mktemp -d "$cache/initramfs.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root"/{bin,dev,proc,sys,lib/modules,newroot}
cp "$busybox" "$root/bin/busybox"
cp "$here/guest-init.sh" "$root/init"
chmod 755 "$root/init"
cp "$cache"/modules/*.ko "$root/lib/modules/"
cp "$cache/modules.order" "$root/modules.order"
(cd "$root" && find . | LC_ALL=C sort | cpio -o -H newc --quiet | gzip -1) > "$out.tmp"
mv "$out.tmp" "$out"
