#!/usr/bin/env bash
# Runs a Windows program of the cross-build under Wine, with the Qt and
# MinGW runtime DLLs on its path: the CMake emulator for the tests, and the
# way to start Tamsik.exe by hand. Needs WINEPREFIX and QUILLFEN_QT_WIN (the
# Qt for Windows prefix); scripts/windows.sh sets both.
set -euo pipefail
: "${WINEPREFIX:?}" "${QUILLFEN_QT_WIN:?}"
# A new prefix maps drive Z: to the root of the file system.
windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }
path=$(windows_path "$QUILLFEN_QT_WIN/bin")
for dir in /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib; do
  path+=";$(windows_path "$dir")"
done
export WINEPATH="$path"
# Wine hands no QT_* variable to the program, but passes WINEQT_* on as QT_*.
while IFS='=' read -r name _; do
  [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
export WINEDEBUG=${WINEDEBUG:--all}

# The Wine services a first program starts outlive it and inherit its
# standard output and error; on a pipe (CTest, CMake's test discovery) the
# reader would then wait for them for ever. The program writes to files here,
# copied out once it has ended.
#
# Wine 8's loader now and then trips a glibc assertion while the process
# exits ("Inconsistency detected by ld.so: dl-fini.c"), after the program has
# finished: that run alone is repeated, at most twice. Any other failure
# stands as it is.
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
for attempt in 1 2 3; do
  status=0
  wine "$@" >"$output" 2>"$errors" || status=$?
  cat "$output"
  cat "$errors" >&2
  if [[ $status -eq 0 ]] || ! grep -q 'Inconsistency detected by ld.so: dl-fini.c' "$errors"; then
    exit "$status"
  fi
  echo "wine-run: the Wine loader failed at exit; running again ($attempt)" >&2
done
exit "$status"
