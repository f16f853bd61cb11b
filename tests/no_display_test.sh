#!/usr/bin/env bash
# With no display to reach, the program must say so in one line and exit with status 1:
# no crash, no core dump, no screenful of platform messages.
#   no_display_test.sh PROGRAM
set -uo pipefail

program=$1
check() {
    local description=$1
    shift
    local output status
    output=$(env "$@" "$program" 2>&1 < /dev/null)
    status=$?
    if [[ $status -ne 1 ]]; then
        echo "$description: exit status $status, expected 1"
        echo "$output"
        return 1
    fi
    if [[ $(printf '%s\n' "$output" | grep -c .) -ne 1 || "$output" != *"no display"* ]]; then
        echo "$description: expected one line about the missing display, got:"
        echo "$output"
        return 1
    fi
    echo "$description: $output"
}

failed=0
check "no DISPLAY at all" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM || failed=1
check "a DISPLAY with no server behind it" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    DISPLAY=:173 XDG_RUNTIME_DIR=/tmp || failed=1
exit $failed
