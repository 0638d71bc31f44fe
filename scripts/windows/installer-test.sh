#!/usr/bin/env bash
# Tries the installer as a Windows user would, under Wine: a silent install
# for the current user, the Start-menu shortcut and the installed-programs
# entry, a start of the installed program closed with Esc (which must leave
# the eleven selections in the registry), then a silent uninstall that must
# remove every program file and keep the selections.
# Usage: installer-test.sh <setup.exe>; WINEPREFIX and DISPLAY as set by
# scripts/windows.sh.
set -euo pipefail
setup=$(realpath "$1")
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all

fail() {
  echo "installer test: $*" >&2
  exit 1
}
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
install_dir="$user_dir/AppData/Local/Programs/Quillfen"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillfen.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillfen'
store_key='HKCU\Software\Orrelby\Tamsik\State'

wine reg delete 'HKCU\Software\Orrelby' /f >/dev/null 2>&1 || true
rm -rf "$install_dir"

echo "silent install"
wine "$setup" /S
wineserver -w
[[ -f $install_dir/Tamsik.exe ]] || fail "no Tamsik.exe in $install_dir"
[[ -f $install_dir/platforms/qwindows.dll ]] || fail "no platform plugin"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
entry=$(wine reg query "$uninstall_key" | tr -d '\r')
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
  grep -q "$value" <<<"$entry" || fail "the installed-programs entry lacks $value"
done
grep -q 'Publisher.*Orrelby' <<<"$entry" || fail "publisher is not Orrelby"

echo "start the installed program and close it with Esc"
wine "$install_dir/Tamsik.exe" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quillfen$' | head -1) ||
  fail "the calculator window did not appear"
sleep 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "Esc did not close the calculator"
wait "$program" || true
stored=$(wine reg query "$store_key" | tr -d '\r')
echo "$stored"
count=$(grep -c 'REG_DWORD' <<<"$stored" || true)
[[ $count -eq 11 ]] || fail "expected 11 REG_DWORD values under $store_key, found $count"

echo "silent uninstall"
wine "$install_dir/Uninstall.exe" /S
wineserver -w
left=0
[[ -d $install_dir ]] && left=$(find "$install_dir" -type f | wc -l)
[[ $left -eq 0 ]] || fail "$left files left in $install_dir"
[[ ! -e $shortcut ]] || fail "the shortcut is still there"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the installed-programs entry is still there"
[[ $(wine reg query "$store_key" | tr -d '\r' | grep -c REG_DWORD) -eq 11 ]] ||
  fail "the uninstaller touched the user's selections"
echo "installer test passed"
