#!/usr/bin/env bash
# Builds GoogleTest for 64-bit Windows with MinGW-w64 from Debian's own source
# (/usr/src/googletest, the same version as the Linux build) into $1.
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../../cmake" && pwd)/mingw-w64-x86_64.cmake

work=$(mktemp -d "${prefix%/*}/gtest-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cmake -S /usr/src/googletest -B "$work" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF \
  -Dgtest_disable_pthreads=OFF
cmake --build "$work" --parallel "$(nproc)"
cmake --install "$work"
# Only a finished prefix carries the stamp, so an interrupted build is redone.
touch "$prefix/.complete"
