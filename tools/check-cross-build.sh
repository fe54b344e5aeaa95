#!/usr/bin/env bash
# Crosses a Qt 5 build and a Qt 6 build of the same sources: each writes a
# picker file, a scene value, a clipboard payload and an image value, and
# reads back what the other wrote (the golden-bytes test with QB_CROSS_DIR);
# then both are installed into one Maya module folder, which is listed with
# its .mod file. Arguments: the Qt 5 build folder, the Qt 6 build folder.
set -euo pipefail
qt5="$(cd "$1" && pwd)"; qt6="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen QB_CROSS_DIR="$work/cross"
# Qt 5 writes; Qt 6 writes and reads Qt 5's; Qt 5 reads Qt 6's.
for build in "$qt5" "$qt6" "$qt5"; do
    "$build/tests/model/test_golden_bytes" --gtest_filter='GoldenBytes.CrossesWithTheOtherQtBuild' --gtest_brief=1
done
for qt in 5 6; do
    [ -s "$QB_CROSS_DIR/qt$qt/picker.qbx" ] || { echo "no files from the Qt $qt build"; exit 1; }
done
cmp "$QB_CROSS_DIR/qt5/scene_value.txt" "$QB_CROSS_DIR/qt6/scene_value.txt"
cmp "$QB_CROSS_DIR/qt5/picker.qbx" "$QB_CROSS_DIR/qt6/picker.qbx"

module="$work/modules"
cmake --install "$qt5" --prefix "$module" >/dev/null
cmake --install "$qt6" --prefix "$module" >/dev/null
echo "Maya module from both builds:"
(cd "$module" && find . -type f -o -type d -empty | sort | sed 's/^/  /')
echo "QuillbrookPicker.mod:"
sed 's/^/  /' "$module/QuillbrookPicker.mod"
grep -q '^+ MAYAVERSION:2024 ' "$module/QuillbrookPicker.mod"
grep -q '^+ MAYAVERSION:2025 ' "$module/QuillbrookPicker.mod"
echo "cross-build check: ok"
