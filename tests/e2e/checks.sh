# The counting checks that the end-to-end scripts share: each check prints "ok" or "FAIL" and what
# it proves, and the script ends on "N passed, N failed". Sourced, not run.

passed=0 failed=0
pass() { passed=$((passed + 1)); echo "ok    $1"; }
fail() { failed=$((failed + 1)); echo "FAIL  $1"; }
check() { # check "what it proves" command...
    local what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs a command every tenth of a second until it succeeds or the seconds run out.
wait_until() { # wait_until seconds command...
    local limit=$(($(now_ms) + $1 * 1000)); shift
    until "$@"; do
        [ "$(now_ms)" -ge "$limit" ] && return 1
        sleep 0.1
    done
}

# A run that cannot set itself up fails as a whole.
give_up() {
    echo "$1" >&2
    [ -n "${2:-}" ] && cat "$2"/* >&2
    fail "$1"
    echo "$passed passed, $failed failed"
    exit 1
}
