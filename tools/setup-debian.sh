#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the
# project (asks for root through sudo when not root). QB_QT_MAJOR=6 installs
# Qt 6 instead of Qt 5.
set -euo pipefail

# fonts-dejavu-extra: a light face, so that the label weight test can tell
# normal from thin.
packages=(build-essential cmake git pkg-config libgtest-dev libgmock-dev libbenchmark-dev libdeflate-dev
          zlib1g-dev
          fonts-dejavu-core fonts-dejavu-extra)
case "${QB_QT_MAJOR:-5}" in
    5) packages+=(qtbase5-dev qtbase5-dev-tools) ;;
    6) packages+=(qt6-base-dev qt6-base-dev-tools libgl-dev) ;;
    *) echo "QB_QT_MAJOR must be 5 or 6" >&2; exit 1 ;;
esac
if [ "${QB_WITH_FUZZERS:-0}" = 1 ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
