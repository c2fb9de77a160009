#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs each one for a bounded
# time, starting from its committed seeds in fuzz/corpus/<target>/. Fails on the first finding
# (a crash, a broken property, a sanitizer report, a leak, an input that takes longer than 10 s).
# Usage: bash scripts/fuzz.sh [seconds per target]   (default 60; FUZZ_SECONDS works too)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${FUZZ_SECONDS:-60}}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKELMO_FUZZ=ON -DKELMO_BUILD_GUI=OFF -DKELMO_BUILD_TESTS=OFF -DKELMO_BUILD_BENCHMARKS=OFF >/dev/null

# Every target has a seed folder; the folders name the targets.
targets=()
for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
cmake --build "$build_dir" --target "${targets[@]}"

failed=()
for target in "${targets[@]}"; do
  # The corpus grows in the build folder; the committed seeds stay small.
  work="$build_dir/fuzz-work/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  # A target may bring a dictionary of the words its input is made of.
  dictionary=()
  if [ -f "fuzz/$target.dict" ]; then dictionary=(-dict="fuzz/$target.dict"); fi
  echo "fuzz: $target for ${seconds} s"
  if "$build_dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$work/artifacts/" -print_final_stats=1 "${dictionary[@]}" \
       "$work/corpus" "fuzz/corpus/$target" >"$work/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz: $target: ${runs:-?} inputs, no finding"
  else
    echo "fuzz: $target FOUND A FAULT; the end of its log ($work/log):"
    tail -n 60 "$work/log"
    echo "fuzz: the input that shows it: $(ls "$work"/artifacts/* 2>/dev/null | head -n 1)"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]}"
  exit 1
fi
echo "fuzz: ${#targets[@]} targets, no finding"
