#!/usr/bin/env bash
# Takes the screenshot of README.md: the real gui-kelmo with the real kelmo beside it, after a run of a
# 100 MeV proton in water, on Xvfb under openbox; the window with its frame goes to docs/screenshot.png.
# Usage: bash tests/e2e/make-screenshot.sh [BUILD_DIR]     (default: build; needs gui-kelmo and kelmo built)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

if [ -z "${KELMO_SHOT_DISPLAY_READY:-}" ]; then
    build=$(cd "${1:-$repo/build}" && pwd)
    for program in gui-kelmo kelmo; do
        if [ ! -x "$build/bin/$program" ]; then
            echo "make-screenshot: $build/bin/$program is missing; build it first:" >&2
            echo "  cmake --build $build --target gui-kelmo kelmo" >&2
            exit 1
        fi
    done
    export KELMO_SHOT_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$build"
fi

build=$1
# shellcheck source=x11-session.sh
source "$here/x11-session.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TEMP="$work"
start_session "$work"

"$build/bin/gui-kelmo" &
pid=$!
window=$(wait_for_window "GUI-Kelmo")
wait_for_focus "$window"

type_text() { xdotool type --delay 10 "$1"; }
press() { xdotool key --delay 10 "$@"; }
# A proton of 100 MeV; water as hydrogen and oxygen by weight; density 1 g/cm3.
type_text 1;        press Tab
type_text 1;        press Tab
type_text 100;      press Tab Tab
type_text 1;        press Tab
type_text 1;        press Tab
type_text 0.111894; press Tab space shift+Tab shift+Tab shift+Tab ctrl+a
type_text 16;       press Tab ctrl+a
type_text 8;        press Tab ctrl+a
type_text 0.888106; press Tab space Tab
type_text 1;        press Tab Tab Tab Tab Tab space
wait_for_file "$TEMP/kelmo.out" 30
# The dE/dx page with a logarithmic energy axis shows the Bragg peak; the focus goes back to A.
press Tab Right Tab space
sleep 1

read -r left top width height < <(frame_geometry "$window")
mkdir -p "$repo/docs"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$repo/docs/screenshot.png"
xdotool key alt+F4
wait "$pid"
echo "make-screenshot: wrote $repo/docs/screenshot.png (${width}x${height})"
