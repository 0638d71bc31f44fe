#!/usr/bin/env bash
# Builds Quillfen for 64-bit Windows on this Debian machine, runs every test
# under Wine and leaves the portable zip and the installer in
# build/windows/dist/. Installs what is missing first (as root, like the other
# commands). Qt for Windows is built once from Debian's own source package of
# the Qt the Linux build uses, into a cache outside the repository:
#   ${QUILLFEN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-~/.cache}/quillfen-windows}
# Remove that folder to build it again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

step() { printf '\n==== %s\n' "$*"; }

bash scripts/deps.sh g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine nsis icoutils \
  xdotool

cache=${QUILLFEN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillfen-windows}
mkdir -p "$cache"
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
gtest_version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null ||
  dpkg-query -W -f='${source:Version}' libgtest-dev)
qt="$cache/qt-${qt_version//[^A-Za-z0-9.]/_}-mingw64"
gtest="$cache/googletest-${gtest_version//[^A-Za-z0-9.]/_}-mingw64"

if [[ ! -f $qt/.complete ]]; then
  step "Qt for Windows from Debian's qt6-base $qt_version (once; about 30 minutes on two cores)"
  rm -rf "$qt"
  bash scripts/windows/build-qt.sh "$qt"
fi
if [[ ! -f $gtest/.complete ]]; then
  step "GoogleTest for Windows"
  rm -rf "$gtest"
  bash scripts/windows/build-gtest.sh "$gtest"
fi

build=build/windows
mkdir -p "$build"
export QUILLFEN_QT_WIN=$qt
export WINEPREFIX="$root/$build/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko download prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One virtual display for everything Wine shows, and one Wine server kept
# running for the whole run, so each test program starts quickly.
display=97
while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$root/$build/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

step "Wine prefix"
bash scripts/windows/wine-prefix.sh
wineserver -p

step "Cross-build"
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQUILLFEN_WARNINGS_AS_ERRORS=ON \
  -DQUILLFEN_BUILD_TESTS=ON \
  -DGTest_DIR="$gtest/lib/cmake/GTest" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/windows/wine-run.sh"
cmake --build "$build"

step "Tests under Wine"
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure --no-tests=error --timeout 600

step "Portable zip and installer"
cmake --build "$build" --target windows_packages

step "Installer under Wine"
# The installer test waits for Wine to go idle after each step, which a
# persistent server never does.
wineserver -k || true
wineserver -w
bash scripts/windows/installer-test.sh "$build"/dist/*-win64-setup.exe

step "Windows build, tests and packages passed"
ls -l "$build"/dist/*.zip "$build"/dist/*-setup.exe
