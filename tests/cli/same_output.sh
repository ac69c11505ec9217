#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The same commands through a Linux zeru-cli and a Windows zeru-cli.exe (run
# by EMULATOR, Wine): the same exit status, standard output and standard
# error, line ends aside, and the same files left behind, byte for byte.
#
#   same_output.sh LINUX_CLI EMULATOR WINDOWS_CLI
#
# Commands name relative files only, so that no folder shows in the output.
# Usage errors are left out: their usage text names each system's own backup
# folder.
set -euo pipefail
linux="$1" emulator="$2" windows="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

commands=(
  "defaults -o base.cfg"
  "encode base.cfg -o base.bin"
  "encode base.cfg --set Radio.Callsign=OK1ZRU --set Radio.SSID=9 -o ok.bin"
  "decode ok.bin -o ok.cfg"
  "verify ok.bin"
  "check ok.cfg"
  "encode base.cfg --set Radio.TXdelay=12a -o refused.bin"
  "diff base.cfg ok.cfg"
  "diff defaults ok.bin --format=cfg"
  "verify missing.bin"
  "decode base.cfg -o x.cfg"
  "--simulate=state.bin write ok.cfg --no-backup"
  "--simulate=state.bin read -o back.cfg"
  "--simulate=state.bin diff back.cfg device"
  "--simulate=state.bin info"
  "--simulate=state.bin list --versions"
  "--simulate=state.bin upload-firmware --no-backup"
  "--simulate=state.bin --sim-version=101 read -o old.cfg"
  "--simulate=state.bin --sim-fault=silent:fw info"
)
for kind in refuse bad-sum bad-echo short silent wrong-page gone drop flip; do
  commands+=("--simulate=state.bin --sim-fault=$kind:5 write base.cfg --no-backup")
done

failed=0
for command in "${commands[@]}"; do
  read -r -a args <<<"$command"
  set +e
  (cd "$work/linux" && "$linux" "${args[@]}" >out 2>err)
  linux_status=$?
  (cd "$work/windows" && "$emulator" "$windows" "${args[@]}" >out 2>err)
  windows_status=$?
  set -e
  for stream in out err; do
    if ! diff <(tr -d '\r' <"$work/linux/$stream") <(tr -d '\r' <"$work/windows/$stream") >"$work/diff"; then
      echo "zeru-cli $command: standard $stream differs (< Linux, > Windows):"
      cat "$work/diff"
      failed=1
    fi
  done
  if [ "$linux_status" != "$windows_status" ]; then
    echo "zeru-cli $command: exit status $linux_status on Linux, $windows_status on Windows"
    failed=1
  fi
  rm -f "$work/linux/out" "$work/linux/err" "$work/windows/out" "$work/windows/err"
done

# The files themselves: configuration files keep their "\r\n" on both. An
# image's write stamp (bytes 4-5) is drawn from the clock's second, and its
# checksum (bytes 0-3) follows it: images may differ there alone.
if [ "$(cd "$work/linux" && ls)" != "$(cd "$work/windows" && ls)" ]; then
  echo "the files left behind differ: $(cd "$work/linux" && ls) / $(cd "$work/windows" && ls)"
  failed=1
fi
for file in "$work"/linux/*; do
  other="$work/windows/${file##*/}"
  cmp -s "$file" "$other" && continue
  if [[ "$file" == *.bin ]] && cmp -s <(tail -c +7 "$file") <(tail -c +7 "$other"); then continue; fi
  echo "${file##*/} differs"
  failed=1
done
[ "$failed" = 0 ] && echo "${#commands[@]} commands: the same on Linux and Windows"
exit "$failed"
