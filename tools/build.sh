#!/usr/bin/env bash
# Configures and builds the project against Qt $QB_QT_MAJOR (5, the default,
# or 6) in ./build, ./build-qt6 for Qt 6, or $QB_BUILD_DIR.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
qt="${QB_QT_MAJOR:-5}"
default_build="$here/build"
[ "$qt" = 6 ] && default_build="$here/build-qt6"
build="${QB_BUILD_DIR:-$default_build}"
jobs="$(nproc 2>/dev/null || echo 2)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_QT_MAJOR="$qt" "${launcher[@]}" "$@"
cmake --build "$build" -j "$jobs"
