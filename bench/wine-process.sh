#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zeru-cli encode and decode as whole processes: the Linux build against
# zeru-cli.exe under Wine, in one run, interleaved so that both see the same
# load. Wine's own start-up is timed apart, with a program that does nothing
# built for both systems, so that what the tool itself costs shows; and
# verify, which reads an image and writes nothing, shows what starting the
# tool costs before any file is saved. Besides the wall clock, the processor
# time of each: the command's own, and under Wine the wineserver's.
#
#   bench/wine-process.sh LINUX_CLI WINDOWS_CLI_EXE [RUNS]
#
# RUNS (default 30) runs of each, after 3 unmeasured ones; prints the median
# and the fastest and slowest quarter's bounds in milliseconds. The Wine
# prefix is a fresh one in a temporary folder (a copy of ZERU_WINE_CACHE's
# when there is one), with its server kept up for the whole run, as it stays
# up between the commands of a script.
set -euo pipefail
export LC_ALL=C  # a full stop in $EPOCHREALTIME
here=$(cd "$(dirname "$0")" && pwd)
linux=$(realpath "${1:?usage: wine-process.sh LINUX_CLI WINDOWS_CLI_EXE [RUNS]}")
windows=$(realpath "${2:?usage: wine-process.sh LINUX_CLI WINDOWS_CLI_EXE [RUNS]}")
runs=${3:-30}
work=$(mktemp -d "${TMPDIR:-/tmp}/zeru-wine-bench.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

printf 'int main(void) { return 0; }\n' >empty.c
gcc -O2 -o empty empty.c
x86_64-w64-mingw32-gcc -O2 -static -o empty.exe empty.c
"$here/../cmake/wine-run.sh" --make-prefix

"$linux" defaults -o base.cfg >/dev/null
"$linux" encode base.cfg -o base.bin >/dev/null

declare -A names=(
  [linux_encode]="$linux encode base.cfg -o out.bin"
  [wine_encode]="wine $windows encode base.cfg -o out.bin"
  [linux_decode]="$linux decode base.bin -o out.cfg"
  [wine_decode]="wine $windows decode base.bin -o out.cfg"
  [linux_verify]="$linux verify base.bin"
  [wine_verify]="wine $windows verify base.bin"
  [linux_empty]="./empty"
  [wine_empty]="wine empty.exe"
)
order=(linux_encode wine_encode linux_decode wine_decode linux_verify wine_verify linux_empty wine_empty)

# Processor time, which a loaded machine spreads far less than the wall
# clock's: the commands' own (this shell's waited-for children, in clock
# ticks) and that of the prefix's wineserver, which does part of every
# Windows program's work in its own process. Read without starting a process.
tag=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
server=
for pid in $(pgrep wineserver); do [[ $(readlink "/proc/$pid/cwd") == */"$tag" ]] && server=$pid; done
[ -n "$server" ] || { echo "no wineserver found for $WINEPREFIX" >&2; exit 1; }
ticks=$(getconf CLK_TCK)
read_cpu() {
  local f
  read -ra f <"/proc/$$/stat"
  children=$((f[15] + f[16]))
  read -ra f <"/proc/$server/stat"
  served=$((f[13] + f[14]))
}

declare -A times cpu serverCpu
for ((i = -3; i < runs; i++)); do
  for name in "${order[@]}"; do
    read -ra command <<<"${names[$name]}"
    read_cpu
    children0=$children served0=$served
    start=$EPOCHREALTIME
    "${command[@]}" >/dev/null 2>&1 || { echo "failed: ${names[$name]}" >&2; exit 1; }
    end=$EPOCHREALTIME
    read_cpu
    ((i < 0)) && continue
    times[$name]+="$(((${end/./} - ${start/./})))"$'\n'
    cpu[$name]=$((${cpu[$name]:-0} + children - children0))
    serverCpu[$name]=$((${serverCpu[$name]:-0} + served - served0))
  done
done

# median, first and third quartile of the microseconds on standard input, in ms.
summary() {
  sort -n | awk '{ v[NR] = $1 } END {
    printf "%.1f ms (%.1f-%.1f)", v[int((NR + 1) / 2)] / 1000, v[int((NR + 3) / 4)] / 1000, v[int((3 * NR + 3) / 4)] / 1000 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "$runs runs each, median (first-third quartile), load $(cut -d' ' -f1 /proc/loadavg) on $(nproc) cores"
printf '%-10s %-24s %-24s %s\n' what Linux Wine ratio
for what in encode decode verify empty; do
  l=$(printf '%s' "${times[linux_$what]}" | median)
  w=$(printf '%s' "${times[wine_$what]}" | median)
  printf '%-10s %-24s %-24s %s\n' "$what" "$(printf '%s' "${times[linux_$what]}" | summary)" \
    "$(printf '%s' "${times[wine_$what]}" | summary)" "$(awk -v w="$w" -v l="$l" 'BEGIN { printf "%.1f x", w / l }')"
done
# Processor time per run, as a mean (the clock ticks are too coarse for a median).
for what in encode decode verify empty; do
  awk -v what="$what" -v l="${cpu[linux_$what]}" -v w="${cpu[wine_$what]}" -v s="${serverCpu[wine_$what]}" \
    -v runs="$runs" -v ticks="$ticks" 'BEGIN { f = 1000 / ticks / runs
    printf "%-10s CPU: Linux %.1f ms, Wine %.1f ms + wineserver %.1f ms, %.1f x\n", what, l * f, w * f, s * f,
      (l > 0 ? (w + s) / l : 0) }'
done
# What the tool costs beyond starting a process, on each system.
for what in encode decode; do
  l=$(($(printf '%s' "${times[linux_$what]}" | median) - $(printf '%s' "${times[linux_empty]}" | median)))
  w=$(($(printf '%s' "${times[wine_$what]}" | median) - $(printf '%s' "${times[wine_empty]}" | median)))
  awk -v what="$what" -v w="$w" -v l="$l" 'BEGIN {
    printf "%s beyond an empty program: Linux %.1f ms, Wine %.1f ms, %.1f x\n", what, l / 1000, w / 1000, (l > 0 ? w / l : 0) }'
done
