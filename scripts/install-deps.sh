#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that are missing for building, running and
# testing the configurator. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev libqt6gui6 libgl-dev   # the window; libqt6gui6 carries the JPEG image plugin (libjpeg)
  libqt6svg6                          # the SVG icon plugins that draw the window's icon
  libhidapi-dev                       # USB HID, hidraw backend
  libzip-dev                          # the problem report (.zip)
  libcli11-dev                        # zeru-cli's command line
  libgtest-dev libbenchmark-dev       # tests and benchmarks
)
if [ "${1:-}" = "--test" ]; then
  packages+=(
    clang libclang-rt-14-dev          # fuzzers
    clang-format clang-tidy           # formatting and static analysis checks
    desktop-file-utils appstream      # checks of the desktop entry and metadata
    dpkg-dev file lintian             # package build checks
    groff-base                        # check of the zeru-cli manual page
    tshark                            # traces read as a protocol analyser reads them
    emscripten nodejs googletest      # the core as WebAssembly and its tests under node
    esbuild                           # the page's modules bundled into one file
    zip unzip                         # the release's zips and their check
    qemu-system-x86 busybox-static cpio xz-utils  # virtual-device tests
    chromium chromium-driver python3-selenium     # browser page tests
  )
fi

. "$(dirname "$0")/install-missing.sh"
install_missing "${packages[@]}"
