#!/usr/bin/env bash
# Builds Qt base for 64-bit Windows with MinGW-w64 from Debian's own source
# package (the same Qt as the Linux build), and installs it into $1. Only what
# the calculator and its tests use is built: Core, Gui, Widgets, Test, the
# Windows platform plugin and the Windows styles.
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../../cmake" && pwd)/mingw-w64-x86_64.cmake

work=$(mktemp -d "${prefix%/*}/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
bash "$here/qt-source.sh" "$work/src"
src=$(echo "$work"/src/qt6-base-*/)

# Debian's tarball has no src/3rdparty/wintab, so tablet events and the
# Direct2D plugin are off; the DirectWrite font database lives in the Direct2D
# sources, and the Windows plugin must not reach for it without them.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

features=(
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF
)
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "${features[@]}"
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build"
# Only a finished prefix carries the stamp, so an interrupted build is redone.
touch "$prefix/.complete"
