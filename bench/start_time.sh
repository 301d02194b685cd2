#!/usr/bin/env bash
# Start time and memory of Sobrimetre next to a minimal Qt Widgets program, under Xvfb.
# For each program, over ten runs: the time from the process's start to its first window being
# mapped, and its peak resident memory (/usr/bin/time -v) once its main window has been shown.
# Usage: bench/start_time.sh [path/to/sobrimetre]   (default: build/src/app/sobrimetre)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/src/app/sobrimetre}")
runs=${RUNS:-10}
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))

cleanup() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

g++ -std=c++20 -O2 -fPIC "$here/minimal/minimal.cpp" -o "$work/minimal" \
    $(pkg-config --cflags --libs Qt6Widgets)

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

now_ns() { date +%s%N; }

# Prints "milliseconds-to-first-window kilobytes-peak" for one run of the given command.
measure_once() {
    local caption=$1; shift
    local start pid mapped_ms=""
    (cd "$work" && exec /usr/bin/time -v -o "$work/time.txt" "$@") &
    start=$(now_ns)
    pid=$!
    while [ -z "$mapped_ms" ]; do
        if xdotool search --onlyvisible --pid "$(pgrep -P "$pid" | head -n 1)" >/dev/null 2>&1; then
            mapped_ms=$(( ($(now_ns) - start) / 1000000 ))
        fi
        if [ $(( ($(now_ns) - start) / 1000000000 )) -gt 20 ]; then
            echo "no window appeared" >&2; kill "$pid"; exit 1
        fi
    done
    # Memory is taken once the program's main window is up.
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$caption\$" >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 0.5
    kill -TERM "$(pgrep -P "$pid" | head -n 1)" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$mapped_ms $(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")"
}

report() {
    local name=$1 caption=$2; shift 2
    local times=() memories=()
    for _ in $(seq "$runs"); do
        read -r ms kb < <(measure_once "$caption" "$@")
        times+=("$ms"); memories+=("$kb")
    done
    local median_ms median_kb
    median_ms=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    median_kb=$(printf '%s\n' "${memories[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    printf '%-12s first window mapped: median %4d ms (runs: %s)   peak memory: median %6d kB\n' \
        "$name" "$median_ms" "${times[*]}" "$median_kb"
    echo "$median_ms $median_kb" > "$work/$name.result"
}

report minimal Minimal "$work/minimal"
report sobrimetre Sobrimetre "$program"

read -r min_ms min_kb < "$work/minimal.result"
read -r sob_ms sob_kb < "$work/sobrimetre.result"
echo "start time ratio: $(awk "BEGIN {printf \"%.2f\", $sob_ms / $min_ms}") (target at most 1.5)"
echo "extra memory: $(( (sob_kb - min_kb) / 1024 )) MB (target at most 10 MB)"
