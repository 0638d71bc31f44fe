#!/usr/bin/env bash
# Style and static analysis: clang-format must leave every source unchanged
# and clang-tidy (the repo's .clang-tidy) must report nothing.
# Usage: scripts/lint.sh [build dir with compile_commands.json]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}

bash scripts/deps.sh clang-format clang-tidy >/dev/null

mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- \
  'app/*.cpp' 'app/*.h' 'engine/*.cpp' 'engine/*.h' 'version/*.cpp' 'version/*.h' \
  'dialogkit/*.cpp' 'dialogkit/*.h' 'about/*.cpp' 'about/*.h' \
  'settings/*.cpp' 'settings/*.h' 'results/*.cpp' 'results/*.h' 'wholefile/*.cpp' 'wholefile/*.h' \
  'sizing/*.cpp' 'sizing/*.h' 'calculator/*.cpp' 'calculator/*.h' 'res/*.cpp' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'fuzz/*.cpp')

if [[ ! -f "$build/compile_commands.json" ]]; then
  echo "No $build/compile_commands.json: configure that build first" >&2
  exit 1
fi

status=0
echo "clang-format: ${#sources[@]} files"
if ! clang-format --dry-run --Werror "${sources[@]}" 2> "${build}/clang-format.log"; then
  grep -E '^[^ ].*error:' "${build}/clang-format.log" | cut -d: -f1 | sort -u | sed 's/^/  not formatted: /'
  status=1
fi

mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -E '\.cpp$' | grep -vE '^(fuzz|bench)/')
echo "clang-tidy: ${#units[@]} translation units"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${units[@]/#/$PWD/}" > "$build/clang-tidy.log" 2>&1 || true
if grep -qE '(warning|error):' "$build/clang-tidy.log"; then
  grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u | head -50
  echo "clang-tidy reported problems; full log: $build/clang-tidy.log" >&2
  status=1
else
  echo "clang-tidy: clean"
fi
exit $status
