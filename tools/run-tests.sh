#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test,
# against Qt $QB_QT_MAJOR (5, the default, or 6).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup-debian.sh"
"$here/tools/build.sh"
default_build="$here/build"
[ "${QB_QT_MAJOR:-5}" = 6 ] && default_build="$here/build-qt6"
build="${QB_BUILD_DIR:-$default_build}"
jobs="$(nproc 2>/dev/null || echo 2)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
