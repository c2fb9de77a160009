#!/usr/bin/env bash
# Installs what is missing, builds gui-kelmo and the bundled kelmo, and starts gui-kelmo.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --target gui-kelmo kelmo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "gui-kelmo: built in $build_dir/bin, but there is no display to show its window on" >&2
  echo "(DISPLAY and WAYLAND_DISPLAY are unset). Start it from a desktop session, or under Xvfb:" >&2
  echo "  xvfb-run $build_dir/bin/gui-kelmo" >&2
  exit 1
fi
exec "$build_dir/bin/gui-kelmo"
