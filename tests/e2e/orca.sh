#!/usr/bin/env bash
# What a blind user hears: Orca, the screen reader, runs on a virtual X display with a D-Bus
# session and an accessibility bus of its own, while a man of 70 kg types three glasses of wine
# into Sobrimetre. With its focus in the count box, Orca must say the new level and the verdict
# (a notification that the program shows anew for each new result), say nothing more when an
# edit leaves the result as it was, say why a negative count gives no verdict, and say the new
# level when a glass is added to the evening's journal. Orca speaks into its debug log, line by line ("SPEECH OUTPUT:
# '...'"), with speech and braille off: no synthesiser is needed. Whatever the run starts is
# stopped on exit; the logs stay in BUILD/e2e-orca/.
# Usage: tests/e2e/orca.sh [build folder]   (default: build)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
program=$build/src/app/sobrimetre
[ -x "$program" ] || { echo "missing $program: build first" >&2; exit 2; }

work=$(mktemp -d /tmp/sobrimetre-orca.XXXXXX)
logs=$build/e2e-orca
rm -rf "$logs" && mkdir -p "$logs"
mkdir -p "$work/folder" "$work/home/.local/share/orca" && mkdir -m 700 "$work/runtime"
started_at=$(date +%s)

xvfb_pid="" bus_pid="" registry_pid="" orca_pid="" program_pid=""
cleanup() {
    for pid in "$program_pid" "$orca_pid" "$registry_pid" "$bus_pid" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    cp "$work"/*.log "$logs/" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=checks.sh
source "$here/checks.sh"
# shellcheck source=x11_windows.sh
source "$here/x11_windows.sh"

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
# Orca buffers its debug log; its customisations, read at start, have it written line by line.
cat >"$HOME/.local/share/orca/orca-customizations.py" <<'EOF'
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
EOF

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || give_up "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

dbus-daemon --session --nofork --nosyslog --print-address=3 3>"$work/bus.address" \
    >"$work/bus.log" 2>&1 &
bus_pid=$!
wait_until 10 test -s "$work/bus.address" || give_up "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/registry.log" 2>&1 &
registry_pid=$!
accessibility_bus() {
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}
wait_until 10 accessibility_bus || give_up "the accessibility bus did not start"

orca --replace --disable=speech --disable=braille --disable=braille-monitor \
    --debug-file="$work/orca.log" >"$work/orca-output.log" 2>&1 &
orca_pid=$!
orca_ready() { grep -q 'ORCA: Startup complete' "$work/orca.log" 2>/dev/null; }
wait_until 20 orca_ready || give_up "Orca did not start"
pass "Orca listens on the accessibility bus"

spoken() { grep -a "SPEECH OUTPUT: '" "$work/orca.log" | sed "s/^.*SPEECH OUTPUT: '//; s/'[^']*$//"; }
notifications() { spoken | grep '^notification '; }
says() { notifications | grep -qF -- "$1"; }

echo "== typing with Orca"
(cd "$work/folder" && exec env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    LANG=fr_FR.UTF-8 "$program") >"$work/program.log" 2>&1 &
program_pid=$!
wait_until 10 has_window_named Sobrimetre || give_up "the main window did not open"
main=$(windows_named Sobrimetre | head -n 1)
focus "$main"
# The weight box has the focus at start.
xdotool type --delay 150 70
check "the weight alone: Orca says 0,00 and that one may drive" \
    wait_until 5 says "notification 0,00 gramme par litre. Conduite possible."
check "said once, though two digits were typed" test "$(notifications | grep -c '0,00')" = 1
click_at "$main" 332 201
xdotool type --delay 150 3
check "three glasses of wine: Orca says the level, 0,65 gramme par litre" \
    wait_until 5 says "notification 0,65 gramme par litre."
check "and the verdict and the wait: stop, two hours" \
    says "Stop, ne conduisez pas. Attendre encore 2 heures."
said_before=$(spoken | wc -l)
notified_before=$(notifications | wc -l)
xdotool key End && xdotool type --delay 150 .0
echoed() { [ "$(spoken | wc -l)" -gt "$said_before" ]; }
wait_until 5 echoed
sleep 1
check "3.0 glasses, the same result: Orca echoes the keys and says nothing more" \
    test "$(notifications | wc -l)" = "$notified_before"
xdotool key ctrl+a && xdotool type --delay 150 -- -1
check "a negative count: Orca says that there is no verdict, and why" \
    wait_until 5 says "notification Valeur impossible : le nombre de verres des « Vins » est négatif."
# The evening's journal, from the Options menu by its access keys: its window opens with the
# focus on its first drink, and Space adds a cocktail drunk now, 11,52 g: 0,24 g/l.
xdotool key ctrl+a && xdotool type --delay 150 3
xdotool key --delay 300 alt+o j
wait_until 10 has_window_named "Journal de la soirée" || give_up "the journal did not open"
xdotool key --delay 300 space
check "a glass added to the journal: Orca says the new level" \
    wait_until 5 says "notification 0,24 gramme par litre."

[ "$failed" = 0 ] || { echo "-- what Orca said:"; spoken; }
echo "Orca run took $(($(date +%s) - started_at)) s; logs in $logs"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
