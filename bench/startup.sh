#!/usr/bin/env bash
# Start-up time to a mapped window, and peak memory, of desktop programs under
# one Xvfb server, measured in the same run so the ratios between them hold.
#
#   bench/startup.sh [-n RUNS] [-s SETTLE_MS] [-b BUILD_DIR] [-r REF_LABEL] [-o TSV]
#                    [--app LABEL WINDOW_NAME 'COMMAND LINE']...
#
# Defaults: 20 runs, 500 ms settle, build dir build/bench. A COMMAND LINE is
# split on blanks. Without --app: the calculator (Tamsik), the bare 46-widget dialog
# (bare_dialog, the reference) and, when installed, speedcrunch and galculator.
# The first program is the one the last column compares with the others.
#
# Per run and program: startup_probe forks /usr/bin/time -v COMMAND, stops the
# clock when the X server reports a window of that exact name mapped, waits
# SETTLE_MS for the first frame, then closes the window (WM_DELETE_WINDOW) and
# waits for the program to end; /usr/bin/time gives the peak RSS. Each program
# runs once first to warm the caches (not counted); then RUNS rounds, each
# round running every program once, in an order rotated from round to round.
# Every program gets a HOME of its own in a temporary folder (kept across its
# runs, so from the second run on it finds its own settings, as a user's
# program does); no session bus, no window manager.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
runs=20
settle=500
build="$repo/build/bench"
ref=""
out=""
labels=()
windows=()
commands=()

usage() {
  sed -n '2,22p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
  exit 2
}

while [[ $# -gt 0 ]]; do
  case "$1" in
  -n) runs=$2; shift 2 ;;
  -s) settle=$2; shift 2 ;;
  -b) build=$2; shift 2 ;;
  -r) ref=$2; shift 2 ;;
  -o) out=$2; shift 2 ;;
  --app)
    [[ $# -ge 4 ]] || usage
    labels+=("$2"); windows+=("$3"); commands+=("$4"); shift 4 ;;
  -h | --help) usage ;;
  *) echo "startup.sh: unknown argument: $1" >&2; usage ;;
  esac
done

probe="$build/bench/startup_probe"
for tool in "$probe" /usr/bin/time Xvfb; do
  command -v "$tool" >/dev/null || { echo "startup.sh: missing $tool" >&2; exit 2; }
done
if [[ $runs -lt 10 ]]; then
  echo "startup.sh: note: fewer than 10 runs" >&2
fi

if [[ ${#labels[@]} -eq 0 ]]; then
  labels=(Tamsik bare_dialog)
  windows=(Quillfen "Bare dialog")
  commands=("$build/app/Tamsik" "$build/bench/bare_dialog")
  for peer in speedcrunch:SpeedCrunch galculator:galculator; do
    if command -v "${peer%%:*}" >/dev/null; then
      labels+=("${peer%%:*}"); windows+=("${peer#*:}"); commands+=("${peer%%:*}")
    else
      echo "startup.sh: ${peer%%:*} is not installed; left out" >&2
    fi
  done
  [[ -n $ref ]] || ref=bare_dialog
fi
[[ -n $ref ]] || ref=${labels[0]}
count=${#labels[@]}

work=$(mktemp -d "${TMPDIR:-/tmp}/quillfen-startup.XXXXXX")
xvfb_pid=""
cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A server of our own on the first free display; it writes the number once
# it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.05
done
[[ -s $work/display ]] || { echo "startup.sh: Xvfb did not start" >&2; exit 2; }

mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
for ((i = 0; i < count; i++)); do mkdir -p "$work/home-$i"; done

# One run of program i; appends "label<TAB>ms<TAB>rss_kb" to the results.
run_one() {
  local i=$1 results=$2 ms rss cmd
  # The command line is split on blanks; no quoting inside it.
  read -ra cmd <<<"${commands[$i]}"
  ms=$(env -i PATH="$PATH" LANG="${LANG:-C.UTF-8}" DISPLAY=":$(cat "$work/display")" \
    HOME="$work/home-$i" XDG_RUNTIME_DIR="$work/runtime" \
    "$probe" --settle "$settle" "${windows[$i]}" -- \
    /usr/bin/time -v -o "$work/time.txt" "${cmd[@]}" 2>>"$work/programs.log" |
    awk '/^mapped_ms/ {print $2}') || true
  if [[ -z $ms ]]; then
    echo "startup.sh: ${labels[$i]}: no window \"${windows[$i]}\" (see below)" >&2
    tail -5 "$work/programs.log" >&2
    exit 1
  fi
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
  printf '%s\t%s\t%s\n' "${labels[$i]}" "$ms" "${rss:-NA}" >>"$results"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)  cores: $(nproc)  runs: $runs  settle: ${settle} ms"
for ((i = 0; i < count; i++)); do run_one "$i" "$work/warmup.tsv"; done
: >"$work/results.tsv"
for ((r = 0; r < runs; r++)); do
  for ((k = 0; k < count; k++)); do run_one $(((r + k) % count)) "$work/results.tsv"; done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
[[ -z $out ]] || cp "$work/results.tsv" "$out"

# Medians per program, then the ratios to the reference and to the first.
awk -F'\t' -v ref="$ref" -v first="${labels[0]}" -v order="$(printf '%s\t' "${labels[@]}")" '
  function median(list, n,   a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] + 0 > t + 0; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { ms[$1] = ms[$1] " " $2; kb[$1] = kb[$1] " " $3; n[$1]++
    if (!($1 in lo) || $2 + 0 < lo[$1]) lo[$1] = $2 + 0
    if (!($1 in hi) || $2 + 0 > hi[$1]) hi[$1] = $2 + 0 }
  END {
    k = split(order, names, "\t")
    for (i = 1; i <= k; i++) if (names[i] != "") { m[names[i]] = median(ms[names[i]]); r[names[i]] = median(kb[names[i]]) }
    printf "%-14s %4s %10s %9s %9s %8s %8s %8s %8s %8s\n", "program", "runs", "median_ms", "min_ms", "max_ms", "xref_t", first "/t", "rss_MiB", "xref_rss", first "/rss"
    for (i = 1; i <= k; i++) {
      p = names[i]; if (p == "") continue
      printf "%-14s %4d %10.1f %9.1f %9.1f %8.2f %8.2f %8.1f %8.2f %8.2f\n", p, n[p], m[p], lo[p], hi[p],
        m[p] / m[ref], m[first] / m[p], r[p] / 1024, r[p] / r[ref], r[first] / r[p]
    }
    printf "xref: this program / %s; %s/t and %s/rss: %s / this program (below 1: %s is faster or smaller)\n", ref, first, first, first, first
  }' "$work/results.tsv"
