#!/usr/bin/env bash
# Starts the calculator under a virtual X display and saves a PNG of its window.
# Usage: scripts/screenshot.sh [output.png] [program] [window name]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
program=${2:-build/dev/app/Tamsik}
name=${3:-Quillfen}
bash scripts/deps.sh xvfb xauth xdotool imagemagick x11-apps >/dev/null

# A store of its own, so the picture shows the defaults and the user's
# selections are left alone.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config
export SCREENSHOT_OUT=$(realpath -m "$out") PROGRAM=$(realpath "$program") WINDOW_NAME=$name
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  "$PROGRAM" & pid=$!
  wid=$(xdotool search --sync --onlyvisible --name "^$WINDOW_NAME\$" | head -1)
  sleep 0.5
  import -window "$wid" "$SCREENSHOT_OUT"
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
'
echo "Saved $out"
