#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches Debian's current amd64 kernel package into a cache folder (download
# only: nothing is installed, the host's boot is never touched) and keeps what
# a test boot needs: the uncompressed kernel and the few modules the guest
# loads by hand.
#
#   prepare-kernel.sh CACHE_DIR
#
# Leaves CACHE_DIR/vmlinux, CACHE_DIR/modules/*.ko and CACHE_DIR/modules.order
# (load order, dependencies first). Does nothing when they are already there
# (the same modules of the same package).
# Exit status 77 when the kernel package cannot be fetched (no apt, no network).
set -euo pipefail

cache=${1:?usage: prepare-kernel.sh CACHE_DIR}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

# Load order: each module after the ones it depends on (checked against the
# depends= field of each module; Debian's package carries no modules.dep).
modules=(
  drivers/virtio/virtio_ring drivers/virtio/virtio
  drivers/virtio/virtio_pci_modern_dev drivers/virtio/virtio_pci_legacy_dev
  drivers/virtio/virtio_pci
  net/9p/9pnet net/9p/9pnet_virtio fs/netfs/netfs fs/fscache/fscache fs/9p/9p
  drivers/hid/hid drivers/hid/uhid drivers/hid/hid-generic   # hid-generic makes the hidraw node
  fs/overlayfs/overlay   # the guest's writable /tmp over the host's
)
# A cache made for another list of modules is made again.
[ -f "$cache/kernel.ready" ] && [ "$(cat "$cache/modules.order" 2>/dev/null)" = "$(printf '%s\n' "${modules[@]##*/}")" ] &&
  exit 0

skip() { echo "prepare-kernel: $*" >&2; exit 77; }

# The meta package names the versioned kernel package of the day.
versioned=$(apt-cache depends linux-image-amd64 2>/dev/null |
            sed -n 's/^ *Depends: *\(linux-image-[0-9].*-amd64\) *$/\1/p' | head -n1) || true
if [ -z "$versioned" ] && [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq >&2 || true
  versioned=$(apt-cache depends linux-image-amd64 2>/dev/null |
              sed -n 's/^ *Depends: *\(linux-image-[0-9].*-amd64\) *$/\1/p' | head -n1) || true
fi
[ -n "$versioned" ] || skip "apt knows no linux-image-amd64 package"

work=$(mktemp -d "$cache/unpack.XXXXXX")
trap 'rm -rf "$work"' EXIT
# apt's sandbox user may not write into the cache folder: download to a place it can.
(cd "$work" && apt-get download -qq "$versioned" >/dev/null 2>"$work/apt.err") ||
  { cat "$work/apt.err" >&2; skip "cannot download $versioned"; }
dpkg-deb -x "$work"/"$versioned"_*.deb "$work/root"

kver=$(ls "$work/root/lib/modules" | head -n1)
kdir="$work/root/lib/modules/$kver/kernel"

# The compressed kernel carries an xz stream after its set-up code; the guest
# boots about 3 s sooner from the uncompressed ELF kernel (PVH entry).
bz="$work/root/boot/vmlinuz-$kver"
offset=$(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$bz" | head -n1 | cut -d: -f1)
[ -n "$offset" ] || { echo "prepare-kernel: no xz stream in $bz" >&2; exit 1; }
# xz stops at the end of its stream, so tail may die of a broken pipe: harmless.
{ tail -c +"$((offset + 1))" "$bz" || true; } | xz -dc --single-stream > "$work/vmlinux"
head -c 4 "$work/vmlinux" | grep -q 'ELF' || { echo "prepare-kernel: extracted kernel is not ELF" >&2; exit 1; }

rm -rf "$cache/modules" && mkdir -p "$cache/modules"
: > "$work/modules.order"
for m in "${modules[@]}"; do
  src="$kdir/$m.ko"
  if [ -f "$src.xz" ]; then xz -dc "$src.xz" > "$cache/modules/$(basename "$m").ko"
  elif [ -f "$src" ]; then cp "$src" "$cache/modules/"
  else echo "prepare-kernel: $m.ko missing from $versioned" >&2; exit 1
  fi
  basename "$m" >> "$work/modules.order"
done
mv "$work/vmlinux" "$cache/vmlinux"
mv "$work/modules.order" "$cache/modules.order"
echo "$versioned" > "$cache/kernel.ready"
echo "prepare-kernel: $versioned ready in $cache" >&2
