# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the packaging checks: each check is a small shell script run by
# ctest. Exit 0 passes, 77 skips (a tool the check needs is not installed),
# anything else fails.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Skips the check when a tool is genuinely missing; scripts/install-deps.sh
# --test installs all of them.
require_tool() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh --test installs it)" >&2
            exit 77
        fi
    done
}

# A scratch folder removed when the check ends, whatever the outcome.
make_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/zeru-packaging.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
}
