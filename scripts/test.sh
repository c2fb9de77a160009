#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test.
# Usage: bash scripts/test.sh            (build folder: build/)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"
# Widgets draw without a display; the one real-display test starts its own X server.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure -j2
