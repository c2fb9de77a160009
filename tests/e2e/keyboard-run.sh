#!/usr/bin/env bash
# The real gui-kelmo on a real X server (Xvfb) under openbox, driven by key strokes only: the particle,
# one target component, the density, Space on "Add" and on "Run Kelmo", then Alt+F4. A fake kelmo beside
# the program records what it was given. Checks the arguments, the exit status 0, that the window's frame
# stood at the screen's corner, and that the result file is gone after the close.
# Usage: keyboard-run.sh PATH/TO/gui-kelmo
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${KELMO_E2E_DISPLAY_READY:-}" ]; then
    gui=${1:?usage: keyboard-run.sh PATH/TO/gui-kelmo}
    for tool in xvfb-run xauth openbox xdotool xprop; do
        if ! command -v "$tool" >/dev/null; then
            echo "keyboard-run: $tool is missing; install it with: bash scripts/setup-debian.sh" >&2
            exit 1
        fi
    done
    export KELMO_E2E_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$gui"
fi

gui=$1
# shellcheck source=x11-session.sh
source "$here/x11-session.sh"

work=$(mktemp -d)
# On failure the screen is kept as a picture, for finding out what the window showed.
on_exit() {
    local status=$?
    if [ "$status" -ne 0 ] && command -v import >/dev/null; then
        local shot="${TMPDIR:-/tmp}/gui-kelmo-keyboard-run-failure.png"
        import -window root "$shot" 2>/dev/null && echo "keyboard-run: the screen at the failure: $shot" >&2
    fi
    rm -rf "$work"
}
trap on_exit EXIT
mkdir "$work/bin" "$work/temp"
cp "$gui" "$work/bin/gui-kelmo"
# The fake calculator: one argument per line into a file, then a small result table after -o.
cat >"$work/bin/kelmo" <<'FAKE'
#!/bin/sh
printf '%s\n' "$@" > "$(dirname "$0")/../arguments.part"
mv "$(dirname "$0")/../arguments.part" "$(dirname "$0")/../arguments"
while [ $# -gt 0 ]; do
  if [ "$1" = "-o" ]; then printf '0.5 0.001 900\n1 0.002 800\n' > "$2"; fi
  shift
done
FAKE
chmod +x "$work/bin/kelmo"

export TEMP="$work/temp"
start_session "$work"

(cd "$work" && exec "$work/bin/gui-kelmo") &
pid=$!
window=$(wait_for_window "GUI-Kelmo")
wait_for_focus "$window"

read -r frame_left frame_top _ _ < <(frame_geometry "$window")
if [ "$frame_left $frame_top" != "0 0" ]; then
    echo "FAIL: the window's frame stands at $frame_left,$frame_top instead of 0,0" >&2
    exit 1
fi

type_text() { xdotool type --delay 15 "$1"; }
press() { xdotool key --delay 15 "$@"; }

# The focus starts in the particle's A; Tab walks A, Z, E, Clear, then the target fields, Add, the
# density, Clear, Del Element, Clear All, the component list and "Run Kelmo".
type_text 4;    press Tab
type_text 2;    press Tab
type_text 10;   press Tab Tab
type_text 12;   press Tab
type_text 6;    press Tab
type_text 1;    press Tab space Tab
type_text 2.26; press Tab Tab Tab Tab Tab space

wait_for_file "$work/arguments"
wait_for_file "$TEMP/kelmo.out"
press alt+F4

status=0
for _ in $(seq 500); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.02
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: gui-kelmo is still running 10 s after Alt+F4" >&2
    kill "$pid"
    exit 1
fi
wait "$pid" || status=$?

expected=$(printf '%s\n' -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26 -o "$TEMP/kelmo.out")
failed=0
if [ "$(cat "$work/arguments")" != "$expected" ]; then
    echo "FAIL: kelmo received:" >&2; cat "$work/arguments" >&2
    echo "expected:" >&2; echo "$expected" >&2
    failed=1
fi
if [ "$status" -ne 0 ]; then echo "FAIL: gui-kelmo exited with $status, expected 0" >&2; failed=1; fi
if [ -e "$TEMP/kelmo.out" ]; then echo "FAIL: the result file $TEMP/kelmo.out was not deleted" >&2; failed=1; fi
if [ "$failed" -eq 0 ]; then echo "keyboard-run: passed"; fi
exit "$failed"
