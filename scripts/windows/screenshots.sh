#!/usr/bin/env bash
# Pictures of the Windows build under Wine at one screen resolution: the
# calculator, its About box, its open window menu, the calculator after a
# distance solve (7 A) and Size Conductors for it, in a Wine desktop window (which gives them title bars
# without a window manager).
# Usage: screenshots.sh <build dir> <dots per inch> <output folder>
# Run after scripts/windows.sh, which leaves the build and the Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "$1")
dpi=$2
out=$(realpath -m "$3")
mkdir -p "$out"
bash scripts/deps.sh xvfb xauth xdotool imagemagick >/dev/null
: "${QUILLFEN_QT_WIN:?set it to the Qt for Windows prefix, as scripts/windows.sh does}"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

size=$((1100 * dpi / 96))x$((820 * dpi / 96))
shoot() {
  sleep 1.5
  import -window root "$out/$1-$dpi.png"
  echo "saved $out/$1-$dpi.png"
}

xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
  set -euo pipefail
  QUILLFEN_WINE_DPI='"$dpi"' bash scripts/windows/wine-prefix.sh
  # The defaults, whatever an earlier run stored.
  wine reg delete "HKCU\\Software\\Orrelby" /f >/dev/null 2>&1 || true
  scripts/windows/wine-run.sh explorer /desktop=Quillfen,'"$size"' "'"$build"'/app/Tamsik.exe" &
  xdotool search --sync --onlyvisible --name "^Quillfen$" >/dev/null
  '"$(declare -f shoot)"'
  out='"$out"' dpi='"$dpi"'
  shoot calculator
  xdotool key alt+b
  shoot about
  xdotool key Escape
  sleep 0.5
  xdotool key alt+space
  shoot window-menu
  xdotool key Escape
  sleep 0.5
  xdotool key alt+i
  sleep 0.5
  xdotool type 7
  xdotool key Tab
  shoot distance
  xdotool key ctrl+shift+w
  xdotool search --sync --onlyvisible --name "^Size Conductors" >/dev/null
  shoot sizing
  xdotool key Escape
  sleep 0.5
  xdotool key Escape
  wineserver -w
'
