#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds zeru-cli for 64-bit Windows on Debian 12 (MinGW-w64, posix
# threads) and packs it: build-windows/zeru-cli-VERSION-windows-x64.zip holds
# one folder with zeru-cli.exe (static: no DLL beside it), the README and the
# licence. Installs what is missing first; safe to run again.
#
#   scripts/windows.sh           the .exe and the zip
#   scripts/windows.sh --test    also the core's tests and zeru-cli's end-to-end
#                                tests, run under Wine through ctest
#
# ZERU_WINDOWS_BUILD names the build folder (default build-windows). With
# --test, ZERU_NATIVE_CLI may name a Linux zeru-cli: the outputs of both for
# the same commands are then compared (ctest -R windows_same_output); and
# ZERU_NATIVE_SIM a Linux zeru-sim: zeru-cli.exe then reaches it under Wine
# through the HID stack of the test virtual machine (ctest -R vm_windows_hid;
# ZERU_VM_CACHE shares the Linux build's kernel cache). ZERU_WINE_CACHE may
# name a folder that keeps a fresh Wine prefix between runs (cmake/wine-run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZERU_WINDOWS_BUILD:-build-windows}"
testing=OFF
[ "${1:-}" = "--test" ] && testing=ON

packages=(cmake make ccache zip g++-mingw-w64-x86-64-posix mingw-w64 libcli11-dev)
[ "$testing" = ON ] && packages+=(googletest wine wine64)
. scripts/install-missing.sh
install_missing "${packages[@]}"

toolchain="$PWD/cmake/windows-x64-mingw.cmake"
cache=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
  cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# What the build finds for Windows: CLI11's headers (Debian's, the same for
# every system) and GoogleTest built from Debian's sources with the cross
# compiler.
prefix="$PWD/$build/deps/prefix"
mkdir -p "$prefix/include" "$prefix/share/cmake"
cp -r /usr/include/CLI "$prefix/include/"
cp -r /usr/share/cmake/CLI11 "$prefix/share/cmake/"
if [ "$testing" = ON ] && [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build/deps/googletest" --toolchain "$toolchain" "${cache[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
  cmake --build "$build/deps/googletest" -j"$(nproc)" >/dev/null
  cmake --install "$build/deps/googletest" >/dev/null
fi

echo "== zeru-cli for Windows"
cmake -S . -B "$build" --toolchain "$toolchain" "${cache[@]}" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DZERU_BUILD_GUI=OFF -DZERU_BUILD_BENCH=OFF -DZERU_BUILD_TESTS="$testing" \
  ${ZERU_WERROR:+-DZERU_WERROR="$ZERU_WERROR"} ${ZERU_NATIVE_CLI:+-DZERU_NATIVE_CLI="$ZERU_NATIVE_CLI"} \
  ${ZERU_NATIVE_SIM:+-DZERU_NATIVE_SIM="$ZERU_NATIVE_SIM"} ${ZERU_VM_CACHE:+-DZERU_VM_CACHE="$ZERU_VM_CACHE"}
cmake --build "$build" -j"$(nproc)"

echo "== the zip"
exe="$build/cli/zeru-cli.exe"
# At its start, only the two DLLs every program has: anything else would
# have to ship beside it, and each system DLL more costs every command
# (milliseconds under Wine); the HID libraries are loaded when a device
# command needs them.
imports="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)"
for dll in $imports; do
  case "$dll" in
    KERNEL32.DLL | MSVCRT.DLL) ;;
    *) echo "zeru-cli.exe imports $dll at its start: load it where it is needed" >&2; exit 1 ;;
  esac
done
version="$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="zeru-cli-$version-windows-x64"
rm -rf "${build:?}/$name" "$build/$name.zip"
mkdir "$build/$name"
x86_64-w64-mingw32-strip -o "$build/$name/zeru-cli.exe" "$exe"
# Its README: the user's guide to the tool, the Windows page first.
cat docs/user/windows.md - docs/user/zeru-cli.md <<<"" >"$build/$name/README.md"
cp LICENSE "$build/$name/LICENSE.txt"
(cd "$build" && zip -q -r -X "$name.zip" "$name")
echo "$build/$name.zip"

if [ "$testing" = ON ]; then
  echo "== tests under Wine"
  # One prefix for the whole run, made and started before the tests start in
  # parallel; its server goes at the end.
  export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all
  ./cmake/wine-run.sh --make-prefix
  trap 'wineserver -k 2>/dev/null || true' EXIT
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
fi
