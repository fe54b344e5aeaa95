#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup-debian.sh"
"$here/tools/build.sh"
build="${QB_BUILD_DIR:-$here/build}"
jobs="$(nproc 2>/dev/null || echo 2)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
