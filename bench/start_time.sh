#!/usr/bin/env bash
# Start time and memory of Sobrimetre next to a minimal Qt Widgets program, under Xvfb.
# For each program, over ten runs taken in turns: the time from the process's start to its first
# window being mapped, and its peak resident memory (/usr/bin/time -v) once its main window has
# been shown.
# Usage: bench/start_time.sh [path/to/sobrimetre]   (default: build/src/app/sobrimetre)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/src/app/sobrimetre}")
runs=${RUNS:-10}
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"

cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

g++ -std=c++20 -O2 -fPIC "$here/minimal/minimal.cpp" -o "$work/minimal" \
    $(pkg-config --cflags --libs Qt6Widgets)

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints "milliseconds-to-first-window kilobytes-peak" for one run of the given command. The
# window is looked for every 10 ms, the same for both programs.
measure_once() {
    local caption=$1; shift
    local start mapped_ms=""
    (cd "$work" && exec /usr/bin/time -v -o "$work/time.txt" "$@") &
    start=$(now_ms)
    local time_pid=$!
    program_pid=""
    while [ -z "$mapped_ms" ]; do
        [ -n "$program_pid" ] || program_pid=$(pgrep -P "$time_pid" || true)
        if [ -n "$program_pid" ] && xdotool search --onlyvisible --pid "$program_pid" >/dev/null 2>&1; then
            mapped_ms=$(($(now_ms) - start))
        elif [ $(($(now_ms) - start)) -gt 20000 ]; then
            echo "no window appeared" >&2; exit 1
        else
            sleep 0.01
        fi
    done
    # Memory is taken once the program's main window is up.
    for _ in $(seq 100); do
        [ -n "$(xdotool search --onlyvisible --pid "$program_pid" --all --name "^$caption\$" 2>/dev/null)" ] && break
        sleep 0.05
    done
    sleep 0.5
    kill -TERM "$program_pid" 2>/dev/null || true
    wait "$time_pid" 2>/dev/null || true
    program_pid=""
    echo "$mapped_ms $(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")"
}

# The two programs take turns, so that a machine busy with other work slows both alike.
declare -A times memories
for _ in $(seq "$runs"); do
    for name in minimal sobrimetre; do
        if [ "$name" = minimal ]; then
            read -r ms kb < <(measure_once Minimal "$work/minimal")
        else
            read -r ms kb < <(measure_once Sobrimetre "$program")
        fi
        times[$name]+="$ms "; memories[$name]+="$kb "
    done
done

median() { printf '%s\n' $1 | sort -n | sed -n "$(((runs + 1) / 2))p"; }
for name in minimal sobrimetre; do
    printf '%-12s first window mapped: median %4d ms (runs: %s)  peak memory: median %6d kB\n' \
        "$name" "$(median "${times[$name]}")" "${times[$name]% }" "$(median "${memories[$name]}")"
done
min_ms=$(median "${times[minimal]}") sob_ms=$(median "${times[sobrimetre]}")
min_kb=$(median "${memories[minimal]}") sob_kb=$(median "${memories[sobrimetre]}")
echo "start time ratio: $(awk "BEGIN {printf \"%.2f\", $sob_ms / $min_ms}") (target at most 1.5)"
echo "extra memory: $(((sob_kb - min_kb) / 1024)) MB (target at most 10 MB)"
