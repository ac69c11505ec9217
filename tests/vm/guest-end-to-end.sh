#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the test guest (see run-in-vm.sh): zeru-sim makes a Kestrovane
# Zeru appear through the kernel's uhid driver, and the configurator's programs
# talk to it through hidraw and hidapi as they would to the hardware.
#
#   guest-end-to-end.sh working|faults|timing sim=ZERU_SIM flows=ZERU_VM_FLOWS
#                       bare=ZERU_VM_BARE_LOOP [cli=ZERU_CLI] [window=ZERU_VM_WINDOW_FLOWS]
#
# working: every program must succeed and every configuration come back.
# faults:  zeru-sim presents a device with the wrong product or the wrong
#          report framing, or one that misbehaves at a page; every program
#          must then fail with the right line (the test would see it).
# timing:  zeru-cli write + read and the device flows against a bare hidapi
#          loop of the same page exchanges; prints the figures.
# Exit 0 when everything went as it should; 1 otherwise, after all the steps.
set -u

mode=$1
shift
sim="" flows="" bare="" cli="" window=""
for arg in "$@"; do
  case "$arg" in
    sim=*) sim=${arg#sim=} ;; flows=*) flows=${arg#flows=} ;; bare=*) bare=${arg#bare=} ;;
    cli=*) cli=${arg#cli=} ;; window=*) window=${arg#window=} ;;
    *) echo "guest-end-to-end: unknown argument $arg"; exit 2 ;;
  esac
done
work=${ZERU_VM_WORK:?run me through run-in-vm.sh}
for program in "$sim" "$flows" "$bare" ${cli:+"$cli"} ${window:+"$window"}; do
  [ -x "$program" ] || { echo "FAIL: $program is not built (build everything before ctest)"; exit 1; }
done
export QT_QPA_PLATFORM=offscreen
failures=0
step_limit=60   # seconds for any one program; a hung exchange must not eat the boot's time

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# The three figures of a timing line "...in T ms (finding and opening the device F ms, exchanges E ms)".
timing_figures() { sed -n 's/.* in \([0-9.]*\) ms (finding and opening the device \([0-9.]*\) ms, exchanges \([0-9.]*\) ms)$/\1 \2 \3/p' <<<"$1"; }
# best_timing A B: the timing line with the smaller total, where an empty one does not count.
best_timing() {
  local a b
  a=$(timing_figures "$1"); b=$(timing_figures "$2")
  if [ -z "$a" ]; then echo "$2"; elif [ -z "$b" ]; then echo "$1"
  elif awk "BEGIN { exit !(${a%% *} <= ${b%% *}) }"; then echo "$1"; else echo "$2"; fi
}
timing_ratio() {
  local a b
  read -r -a a <<<"$(timing_figures "$1")"; read -r -a b <<<"$(timing_figures "$2")"
  awk "BEGIN { printf \"%.2f in all, %.2f for the exchanges\", ${a[0]} / ${b[0]}, ${a[2]} / ${b[2]} }"
}
# least A B: the smaller of two numbers, where an empty one does not count.
least() { if [ -z "$1" ]; then echo "$2"; elif [ -z "$2" ]; then echo "$1"; else awk "BEGIN { print ($1 < $2) ? $1 : $2 }"; fi; }

# The hidraw node of the virtual device, if there is one.
sim_node() {
  local uevent
  for uevent in /sys/class/hidraw/hidraw*/device/uevent; do
    [ -f "$uevent" ] && grep -q '^HID_PHYS=zeru-sim$' "$uevent" && { basename "$(dirname "$(dirname "$uevent")")"; return 0; }
  done
  return 1
}

sim_pid=""
start_sim() {
  "$sim" "$@" 2>>"$work/zeru-sim.log" &
  sim_pid=$!
  local i
  for i in $(seq 100); do
    sim_node >/dev/null && [ -e "/dev/$(sim_node)" ] && return 0
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "zeru-sim $* made no hidraw node"; cat "$work/zeru-sim.log"
  return 1
}

stop_sim() {
  [ -n "$sim_pid" ] || return 0
  kill -TERM "$sim_pid"
  local status=0
  wait "$sim_pid" || status=$?
  sim_pid=""
  [ "$status" -eq 0 ] || { fail "zeru-sim ended with status $status"; cat "$work/zeru-sim.log"; }
  local i
  for i in $(seq 50); do sim_node >/dev/null || return 0; sleep 0.1; done
  fail "the hidraw node stayed after zeru-sim stopped"
}

# expect STATUS WHAT COMMAND...: runs the command with a time limit; its exit
# status must be STATUS.
expect() {
  local want=$1 what=$2
  shift 2
  local status=0
  timeout "$step_limit" "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  if [ "$status" -eq "$want" ]; then
    pass "$what"
  else
    fail "$what: exit status $status, expected $want"
    tail -n 15 "$work/out.txt" "$work/err.txt"
  fi
}

# expect_failure STATUS WHAT LINE COMMAND...: the command must end with exit
# status STATUS ("any" for any but 0 and a time-out) and say LINE on standard error.
expect_failure() {
  local want=$1 what=$2 line=$3
  shift 3
  local status=0
  timeout "$step_limit" "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  if { [ "$want" = any ] && [ "$status" -ne 0 ] && [ "$status" -ne 124 ]; } || [ "$status" = "$want" ]; then
    if grep -qxF "$line" "$work/err.txt"; then
      pass "$what (exit status $status, \"$line\")"
    else
      fail "$what: exit status $status but no line \"$line\""; tail -n 15 "$work/err.txt"
    fi
  else
    fail "$what: exit status $status, expected $want"; tail -n 15 "$work/out.txt" "$work/err.txt"
  fi
}

same_files() {
  if cmp -s "$1" "$2"; then pass "$3"; else fail "$3: $1 and $2 differ"; diff "$1" "$2" | head -n 20; fi
}

run_working() {
  local state="$work/state.bin"
  # Someone without the right to open /dev/uhid is told so.
  local nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  if "${nobody[@]}" test -x "$sim"; then
    expect_failure 2 "zeru-sim without access to /dev/uhid" \
      "zeru-sim: no permission to open /dev/uhid: run as root, or give your user read and write access to it (for example with a udev rule)" \
      "${nobody[@]}" "$sim"
  else
    echo "note: user nobody cannot reach $sim; the permission check was left out"
  fi
  start_sim --state="$state" || return

  if [ -n "$cli" ]; then
    local set=(--set Radio.Callsign=VM1TST)
    expect 0 "zeru-cli defaults" "$cli" defaults -o "$work/base.cfg"
    expect 0 "zeru-cli encode" "$cli" encode "$work/base.cfg" "${set[@]}" -o "$work/expected.bin"
    expect 0 "zeru-cli decode" "$cli" decode "$work/expected.bin" -o "$work/expected.cfg"
    expect 0 "zeru-cli write through hidapi" "$cli" write "$work/base.cfg" "${set[@]}"
    # Stop and start again: the memory goes through the state file in between.
    stop_sim
    expect 0 "zeru-cli decode of the device's memory" "$cli" decode "$state" -o "$work/memory.cfg"
    same_files "$work/expected.cfg" "$work/memory.cfg" "the device stored what zeru-cli wrote"
    # The read on record at both ends: what the device was asked is what zeru-cli sent.
    start_sim --state="$state" --trace="$work/sim-read.txt" || return
    expect 0 "zeru-cli read through hidapi" "$cli" --trace="$work/cli-read.pcapng" read -o "$work/back.cfg"
    same_files "$work/expected.cfg" "$work/back.cfg" "zeru-cli read back what it wrote"
    stop_sim
    expect 0 "zeru-cli trace of its read" "$cli" trace "$work/cli-read.pcapng"
    requests() { sed -n 's/^ *[0-9.]*  out  //p' "$1"; }
    requests "$work/out.txt" >"$work/cli-requests.txt"
    requests "$work/sim-read.txt" >"$work/sim-requests.txt"
    if [ "$(wc -l <"$work/cli-requests.txt")" -eq 227 ]; then pass "zeru-cli's trace holds the read's 227 requests"
    else fail "zeru-cli's trace holds $(wc -l <"$work/cli-requests.txt") requests, not 227"; fi
    same_files "$work/cli-requests.txt" "$work/sim-requests.txt" "zeru-sim --trace holds the requests zeru-cli's trace holds"
    start_sim --state="$state" || return

    expect 0 "zeru-cli info" "$cli" info
    if grep -q '1\.02' "$work/out.txt" "$work/err.txt"; then pass "info names firmware 1.02"
    else fail "info does not name firmware 1.02"; cat "$work/out.txt" "$work/err.txt"; fi
    expect 0 "zeru-cli upload-firmware" "$cli" upload-firmware
  else
    echo "note: zeru-cli is not built; its steps were left out"
  fi

  expect 0 "device flows over hidapi" "$flows"
  if [ -n "$window" ]; then
    local status=0
    timeout "$step_limit" "$window" >"$work/out.txt" 2>"$work/err.txt" || status=$?
    case $status in
      0) pass "window's Write config and Read config" ;;
      77) echo "note: $(cat "$work/out.txt")" ;;
      *) fail "window's Write config and Read config: exit status $status"; tail -n 15 "$work/out.txt" "$work/err.txt" ;;
    esac
  else
    echo "note: the window is not built; its flows were left out"
  fi
  stop_sim
}

# Two simulated devices told apart by their serial numbers, provisioned by two
# zeru-cli processes at the same time: each must end with its own configuration.
run_two_devices() {
  [ -n "$cli" ] || return 0
  local serials=(SIM-A SIM-B) calls=(VM1AAA VM1BBB) pids=() writes=() i
  for i in 0 1; do
    "$sim" --serial "${serials[i]}" --state="$work/${serials[i]}.bin" 2>>"$work/zeru-sim.log" &
    pids+=($!)
  done
  for i in $(seq 100); do
    [ "$(grep -lx 'HID_PHYS=zeru-sim' /sys/class/hidraw/hidraw*/device/uevent 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  expect 0 "zeru-cli list of two devices" "$cli" list
  if grep -q "	SIM-A$" "$work/out.txt" && grep -q "	SIM-B$" "$work/out.txt"; then
    pass "list names both serial numbers"
  else
    fail "list does not name both serial numbers"; cat "$work/out.txt"
  fi

  for i in 0 1; do
    timeout "$step_limit" "$cli" write "$work/base.cfg" --set "Radio.Callsign=${calls[i]}" \
      --device "${serials[i]}" 2>"$work/err-$i.txt" &
    writes+=($!)
  done
  for i in 0 1; do
    local status=0
    wait "${writes[i]}" || status=$?
    if [ "$status" -eq 0 ]; then pass "zeru-cli write --device ${serials[i]}, in parallel"
    else fail "zeru-cli write --device ${serials[i]}, in parallel: exit status $status"; cat "$work/err-$i.txt"; fi
  done
  kill -TERM "${pids[@]}"
  wait "${pids[@]}"
  for i in 0 1; do
    "$cli" decode "$work/${serials[i]}.bin" -o "$work/${serials[i]}.cfg" 2>/dev/null
    if tr -d '\r' <"$work/${serials[i]}.cfg" 2>/dev/null | grep -qx "Callsign=${calls[i]}"; then
      pass "${serials[i]} holds its own configuration"
    else
      fail "${serials[i]} does not hold callsign ${calls[i]}"
    fi
  done
}

run_timing() {
  # Informative only (the figures go to the log): the machine is emulated and shared.
  start_sim || return
  if [ -n "$cli" ]; then
    local set=(--set Radio.Callsign=VM1TST)
    expect 0 "zeru-cli defaults" "$cli" defaults -o "$work/base.cfg"
    # zeru-cli write + read against the bare loop's writes + reads, as whole
    # processes; the best of three, as the machine is shared.
    local cli_ms="" bare_ms="" t0 round
    for round in 1 2 3; do
      t0=$(now_ms)
      timeout "$step_limit" "$cli" write "$work/base.cfg" "${set[@]}" 2>/dev/null &&
        timeout "$step_limit" "$cli" read -o "$work/timed.cfg" 2>/dev/null &&
        cli_ms=$(least "$cli_ms" $(($(now_ms) - t0)))
      t0=$(now_ms)
      timeout "$step_limit" "$bare" write >/dev/null && timeout "$step_limit" "$bare" read >/dev/null &&
        bare_ms=$(least "$bare_ms" $(($(now_ms) - t0)))
    done
    if [ -n "$cli_ms" ] && [ -n "$bare_ms" ]; then
      echo "timing: zeru-cli write + read ${cli_ms} ms; bare hidapi write + read ${bare_ms} ms;" \
           "ratio $(awk "BEGIN { printf \"%.2f\", $cli_ms / $bare_ms }")"
    else
      fail "the timed zeru-cli or bare loop runs failed"
    fi
  fi

  # Our flows against the bare loop, inside one process each, from the first
  # enumeration to the last reply; the best of three, as the machine is shared.
  # Both tell apart finding and opening the device (the flows do it three
  # times, "Read config" twice) from the exchanges.
  local flows_best="" bare_best="" line round
  for round in 1 2 3; do
    line=$(timeout "$step_limit" "$flows" 2>/dev/null | grep '^device flows:')
    flows_best=$(best_timing "$flows_best" "$line")
    line=$(timeout "$step_limit" "$bare" both 2>/dev/null | grep '^bare hidapi both:')
    bare_best=$(best_timing "$bare_best" "$line")
  done
  echo "timing: $flows_best"
  echo "timing: $bare_best"
  if [ -n "$flows_best" ] && [ -n "$bare_best" ]; then
    echo "timing: flows / bare loop: $(timing_ratio "$flows_best" "$bare_best")"
  fi
  stop_sim
}

run_faults() {
  local not_found="Kestrovane Zeru not found." no_version="Firmware version read error."
  start_sim --break-usb=ids || return
  [ -n "$cli" ] && expect_failure 4 "zeru-cli write with another product ID" "$not_found" "$cli" --verbose write "$work/base.cfg"
  expect_failure any "device flows with another product ID" "write: $not_found" "$flows"
  stop_sim
  start_sim --break-usb=report-number || return
  [ -n "$cli" ] && expect_failure 5 "zeru-cli write, device keeps the report number" "$no_version" \
    "$cli" --verbose write "$work/base.cfg"
  expect_failure any "device flows, device keeps the report number" "write: $no_version" "$flows"
  stop_sim

  # Replies that stop, come short, or a device unplugged mid-transfer, through
  # the real kernel: the operation must end with the right line, not hang.
  local fault line
  for fault in silent:5 short:7 gone:40; do
    line="Page write error: $((${fault#*:} + 1))/224"
    start_sim --sim-fault="$fault" || return
    if [ -n "$cli" ]; then
      # No backup first: the fault must hit the write itself.
      expect_failure 5 "zeru-cli write, device fault $fault" "$line" "$cli" --verbose write --no-backup "$work/base.cfg"
      stop_sim
      start_sim --sim-fault="$fault" || return
    fi
    expect_failure any "device flows, device fault $fault" "write: $line" "$flows"
    stop_sim
  done
}

if [ -n "$cli" ] && [ "$mode" = faults ]; then
  timeout "$step_limit" "$cli" defaults -o "$work/base.cfg" || fail "zeru-cli defaults"
fi
case "$mode" in
  working) run_working; run_two_devices ;;
  faults) run_faults ;;
  timing) run_timing ;;
  *) echo "guest-end-to-end: mode must be working, faults or timing"; exit 2 ;;
esac
[ -n "$sim_pid" ] && stop_sim
echo "end-to-end ($mode): $failures failure(s)"
[ "$failures" -eq 0 ]
