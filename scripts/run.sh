#!/usr/bin/env bash
# Installs what is missing, builds the optimised configuration and starts the
# calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset release
cmake --build --preset release --target Tamsik

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  cat >&2 <<'MSG'
Quillfen is a desktop program and needs a graphical display, but none is set
(DISPLAY and WAYLAND_DISPLAY are empty). On a machine without a screen, start
it on a virtual display instead:

    xvfb-run -a build/release/app/Tamsik

and take a picture of it with:  bash scripts/screenshot.sh
MSG
  exit 1
fi
exec build/release/app/Tamsik "$@"
