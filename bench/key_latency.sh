#!/usr/bin/env bash
# Keystroke to pixels of Sobrimetre's main window next to a bare Qt window, both on one Xvfb
# display: bench/latency/key_latency.cpp injects the keys and prints the figures.
# Usage: bench/key_latency.sh [build folder]   (default: build; `make bench-latency` builds it)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build}")
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"

cleanup() {
    for pid in ${program_pid:-} ${echo_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime

# Sobrimetre reads and writes Defaut.dat in its working folder: a fresh one starts it with its
# factory values.
(cd "$work" && exec "$build/src/app/sobrimetre") &
program_pid=$!
"$build/bench/echo_window" &
echo_pid=$!
"$build/bench/key_latency" "$program_pid" "$echo_pid"
