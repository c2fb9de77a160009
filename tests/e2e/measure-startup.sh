#!/usr/bin/env bash
# Measures how long gui-kelmo takes from its start to its window being on the screen: on Xvfb under
# openbox, the time from starting the process to the moment xdotool finds the mapped window titled
# "GUI-Kelmo" (polled every few milliseconds). Prints every run and the median.
# Usage: bash tests/e2e/measure-startup.sh [BUILD_DIR] [RUNS]     (default: build, 10 runs)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

if [ -z "${KELMO_STARTUP_DISPLAY_READY:-}" ]; then
    build=$(cd "${1:-$repo/build}" && pwd)
    export KELMO_STARTUP_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$build" "${2:-10}"
fi

build=$1 runs=$2
# shellcheck source=x11-session.sh
source "$here/x11-session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TEMP="$work"
start_session "$work"

times_ms=()
for run in $(seq "$runs"); do
    start_ns=$(date +%s%N)
    "$build/bin/gui-kelmo" &
    pid=$!
    until xdotool search --onlyvisible --name '^GUI-Kelmo$' >/dev/null 2>&1; do sleep 0.002; done
    shown_ns=$(date +%s%N)
    times_ms+=($(( (shown_ns - start_ns) / 1000000 )))
    echo "run $run: ${times_ms[-1]} ms"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
median=$(printf '%s\n' "${times_ms[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}')
echo "median from start to window shown: ${median} ms over $runs runs"
