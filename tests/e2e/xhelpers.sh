# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers the end-to-end scripts share; sourced, not run.

failures=0
check() {  # check "what" command...: counts a failure, says which
    local what="$1"
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

window() {  # the visible window whose name matches, waited for
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}
