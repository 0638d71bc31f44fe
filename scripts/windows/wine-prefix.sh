#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX ready for the tests and the
# screenshots: created once, Wine's own fonts where Windows keeps its fonts
# (without them "MS Sans Serif" falls back to a serif), and the screen's
# resolution set to QUILLFEN_WINE_DPI dots per inch (96 unless given). Ends
# once Wine is idle, so a caller may start a server of its own.
set -euo pipefail
: "${WINEPREFIX:?}"
dpi=${QUILLFEN_WINE_DPI:-96}
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
  /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
wineserver -w
