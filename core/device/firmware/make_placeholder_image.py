#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the placeholder firmware image that ships with the configurator.

The real firmware is stored enciphered and the configurator never looks inside
it, so any opaque block exercises the upload. This one is 45056 bytes (1408
pages) of deterministic pseudo-random bytes (xorshift32, fixed seed), so that
running the script again gives the same file.
"""
import sys

SIZE = 45056


def main() -> None:
    path = sys.argv[1] if len(sys.argv) > 1 else "zeru-firmware.bin"
    state = 0x5A65_7275  # fixed seed
    out = bytearray()
    while len(out) < SIZE:
        state ^= (state << 13) & 0xFFFFFFFF
        state ^= state >> 17
        state ^= (state << 5) & 0xFFFFFFFF
        out += state.to_bytes(4, "little")
    with open(path, "wb") as f:
        f.write(out[:SIZE])


if __name__ == "__main__":
    main()
