#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the project and starts the
# sandbox host with its demo shot. Arguments go to the sandbox.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup-debian.sh"
"$here/tools/build.sh"
default_build="$here/build"
[ "${QB_QT_MAJOR:-5}" = 6 ] && default_build="$here/build-qt6"
build="${QB_BUILD_DIR:-$default_build}"
exec "$build/sandbox/quillbrook-sandbox" "$@"
