#!/usr/bin/env bash
# Starts Sobrimetre natively under Wayland, as on a Wayland desktop session with Qt's Wayland
# plugin installed: weston's headless compositor, QT_QPA_PLATFORM=wayland, and no X display to
# fall back on. The Wayland messages the program sends (WAYLAND_DEBUG) show its main window opened
# as a Wayland window named after the menu entry; the accessibility bus shows the main window and
# presses its Quitter button, as a screen reader would, since no tool may send keys to a Wayland
# client; the program must then end with status 0. Whatever the run starts is stopped on exit; the
# logs stay in BUILD/e2e-wayland/.
# Usage: tests/e2e/wayland.sh [build folder]   (default: build)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
program=$build/src/app/sobrimetre
app_id=org.sobrimetre.Sobrimetre
[ -x "$program" ] || { echo "missing $program: build first" >&2; exit 2; }

work=$(mktemp -d /tmp/sobrimetre-wayland.XXXXXX)
logs=$build/e2e-wayland
rm -rf "$logs" && mkdir -p "$logs"
mkdir -p "$work/folder" "$work/home" && mkdir -m 700 "$work/runtime"
started_at=$(date +%s)

bus_pid="" weston_pid="" program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    wait 2>/dev/null
    cp "$work"/*.log "$logs/" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=checks.sh
source "$here/checks.sh"

unset DISPLAY
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home

# A session bus of our own: the accessibility bus and its registry start on it when the program
# asks for them.
dbus-daemon --session --nofork --nosyslog --print-address=3 3>"$work/bus.address" \
    >"$work/bus.log" 2>&1 &
bus_pid=$!
wait_until 10 test -s "$work/bus.address" || give_up "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")

socket=sobrimetre-e2e
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket=$socket --idle-time=0 \
    --no-config --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
wait_until 10 test -S "$XDG_RUNTIME_DIR/$socket" || give_up "weston did not start"
pass "weston's headless compositor accepts clients"

echo "== the program on Wayland"
(cd "$work/folder" && exec env WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=fr_FR.UTF-8 "$program") >"$work/program.log" 2>&1 &
program_pid=$!

sent() { grep -q -- "-> xdg_toplevel@[0-9]*\.$1\$" "$work/program.log"; }
check "the main window opens as a Wayland window (xdg_toplevel titled Sobrimetre)" \
    wait_until 10 sent 'set_title("Sobrimetre")'
check "its Wayland app_id is the menu entry's id, $app_id" sent "set_app_id(\"$app_id\")"
check "start-up creates Defaut.dat in the current folder" \
    wait_until 5 test -f "$work/folder/Defaut.dat"
check "the accessibility bus shows the main window and presses its Quitter button" \
    /usr/bin/python3 "$here/press_button.py" "$program_pid" Sobrimetre Quitter
ended() { ! kill -0 "$program_pid" 2>/dev/null || grep -q '^[0-9]* (.*) Z' "/proc/$program_pid/stat"; }
if wait_until 5 ended; then pass "Quitter ends the program"; else
    fail "Quitter ends the program"
    kill "$program_pid" 2>/dev/null
fi
wait "$program_pid"
status=$?
program_pid=""
check "the program ends with status 0" test "$status" = 0

[ "$failed" = 0 ] || {
    echo "-- what the program wrote:"
    grep -v -e '^\[' -e '^This plugin does not support ' "$work/program.log"
}
echo "Wayland run took $(($(date +%s) - started_at)) s; logs in $logs"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
