#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# postinst reloads the udev rules and re-triggers hidraw nodes only where udev
# runs, and never makes the installation fail. A stand-in udevadm on PATH
# records the calls. Usage: check_maintainer_scripts.sh POSTINST POSTRM
set -eu
. "$(dirname "$0")/common.sh"
make_scratch
postinst=$1
postrm=$2

for script in "$postinst" "$postrm"; do
    [ -x "$script" ] || fail "$script is not executable"
    sh -n "$script" || fail "$script is not a valid shell script"
done

mkdir "$scratch/bin"
cat >"$scratch/bin/udevadm" <<'STANDIN'
#!/bin/sh
echo "$*" >>"$UDEVADM_LOG"
exit "${UDEVADM_STATUS:-0}"
STANDIN
chmod 755 "$scratch/bin/udevadm"
export UDEVADM_LOG="$scratch/calls"

# Runs a maintainer script with the stand-in; prints the recorded calls.
run() { # SCRIPT ARG STATUS
    : >"$UDEVADM_LOG"
    UDEVADM_STATUS=$3 PATH="$scratch/bin:$PATH" sh "$1" "$2" || fail "$1 $2 fails when udevadm exits $3"
    cat "$UDEVADM_LOG"
}

check() { # POSTINST POSTRM EXPECTED_INSTALL_CALLS EXPECTED_REMOVE_CALLS
    [ "$(run "$1" configure 0)" = "$3" ] || fail "postinst configure calls: $(cat "$UDEVADM_LOG")"
    run "$1" configure 1 >/dev/null
    [ -z "$(run "$1" abort-upgrade 0)" ] || fail "postinst abort-upgrade touches udev"
    [ "$(run "$2" remove 0)" = "$4" ] || fail "postrm remove calls: $(cat "$UDEVADM_LOG")"
    run "$2" remove 1 >/dev/null
    [ -z "$(run "$2" upgrade 0)" ] || fail "postrm upgrade touches udev"
}

reload='control --reload-rules'
retrigger='trigger --subsystem-match=hidraw'

# As they are, on this machine: with or without a running udev.
if [ -S /run/udev/control ]; then
    check "$postinst" "$postrm" "$reload
$retrigger" "$reload"
else
    check "$postinst" "$postrm" "" ""
fi

# Copies that look for udev's control socket in the scratch folder instead,
# so that both cases run on every machine.
for socket_state in absent present; do
    socket="$scratch/udev-control"
    for script in "$postinst" "$postrm"; do
        sed "s|/run/udev/control|$socket|g" "$script" >"$scratch/$(basename "$script")"
    done
    if [ $socket_state = present ]; then
        # perl-base is essential on Debian, so the socket can always be made.
        perl -MIO::Socket::UNIX -e \
            'IO::Socket::UNIX->new(Type => SOCK_STREAM(), Local => $ARGV[0], Listen => 1) or die "$!\n"' \
            "$socket" || fail "cannot make a socket at $socket"
        check "$scratch/postinst" "$scratch/postrm" "$reload
$retrigger" "$reload"
    else
        check "$scratch/postinst" "$scratch/postrm" "" ""
    fi
done
echo "maintainer scripts ok"
