# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Shared by the end-to-end tests, sourced after any re-run on an X server: a work folder that
# goes at the end with every process the test started, a private home, and the checks.

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "${KALUDNIK_E2E_KEEP:-}" ] && cp -r "$work" "$KALUDNIK_E2E_KEEP"
    rm -rf "$work"
}
trap cleanup EXIT

# Never the real home: data, settings and the runtime folder (where a sound server or a
# compositor puts its socket) are the test's own.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A sound client would otherwise start a sound server of its own when it finds none.
printf 'autospawn = no\n' >"$work/pulse-client.conf"
export PULSE_CLIENTCONFIG=$work/pulse-client.conf

failures=0
passes=0
# A command that fails outside a check ends the test (set -e): it is named, never silent.
trap 'echo "FAILED: line $LINENO ended the test: $BASH_COMMAND"' ERR
check() { # check <description> <command…>
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
        echo "ok: $what"
    else
        failures=$((failures + 1))
        echo "FAILED: $what"
    fi
}

# Waits up to <seconds> for <command…> to succeed.
wait_for() { # wait_for <seconds> <command…>
    local tries=$(($1 * 20))
    shift
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

not() { ! "$@"; }

# The exit status of the program <pid> once it ends. One still running after 60 s is killed, so
# that a check fails in its time instead of the test waiting for ever.
ended() { # ended <pid>
    timeout 60 tail -s 0.1 --pid="$1" -f /dev/null || kill -KILL "$1" 2>/dev/null || true
    wait "$1"
}

summary() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}
