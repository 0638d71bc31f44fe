#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the debug build,
# the same suite under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, the style and static-analysis checks, and a short run of each
# fuzz target. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

step() { printf '\n==== %s\n' "$*"; }

bash scripts/deps.sh clang libclang-rt-14-dev clang-format clang-tidy

step "Debug build and tests"
cmake --preset dev
cmake --build --preset dev
ctest --preset dev -j "$(nproc)"

step "Sanitizer build and tests"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"

step "Formatting and static analysis"
bash scripts/lint.sh build/dev

step "Fuzz targets (short run on the seed corpus)"
cmake --preset fuzz
cmake --build --preset fuzz
for fuzzer in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$fuzzer")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus" build/fuzz/artifacts
  "$fuzzer" -max_total_time="${QUILLFEN_FUZZ_SMOKE_SECONDS:-30}" -print_final_stats=0 \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" \
    $(ls -d fuzz/corpus/* | grep -F "${name%_fuzz}" || true) 2>&1 | tail -n 3
done

step "All checks passed"
