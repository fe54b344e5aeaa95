#!/usr/bin/env bash
# Builds the plug-in in devkit mode against a stand-in "devkit" laid out as
# Maya's is (include/maya, lib/libOpenMaya.so, libOpenMayaUI.so,
# libFoundation.so), so that the plug-in's sources are known to compile
# without the stand-in host's own extras. Arguments: source dir, the stand-in
# runtime library, a scratch folder, and the Qt major version (5 or 6; else
# $QB_QT_MAJOR, else 5).
set -euo pipefail
src="$1"; runtime="$2"; work="$3"; qt="${4:-${QB_QT_MAJOR:-5}}"
rm -rf "$work"
mkdir -p "$work/devkit/include" "$work/devkit/lib"
cp -r "$src/host/include/maya" "$work/devkit/include/"
cp "$runtime" "$work/devkit/lib/libOpenMaya.so"
for lib in OpenMayaUI Foundation; do
    echo "void qb_placeholder_$lib(void) {}" > "$work/$lib.c"
    cc -shared -fPIC -o "$work/devkit/lib/lib$lib.so" "$work/$lib.c"
done
cmake -S "$src" -B "$work/build" -DQB_WITH_MAYA_DEVKIT=ON -DMAYA_LOCATION="$work/devkit" -DQB_QT_MAJOR="$qt" >/dev/null
cmake --build "$work/build" -j "$(nproc 2>/dev/null || echo 2)"
module="$work/build/plug-ins/QuillbrookPicker.so"
# The module exports its entry points and the API version marker, nothing else.
exports=$(nm -D --defined-only "$module" | awk '$2 ~ /^[TDB]$/ {print $3}' | grep -v '^_edata$\|^_end$\|^__bss_start$' | sort)
expected=$(printf '%s\n' MApiVersion _Z16initializePlugin7MObject _Z18uninitializePlugin7MObject | sort)
if [ "$exports" != "$expected" ]; then
    echo "unexpected exports:"; echo "$exports"; exit 1
fi
echo "devkit-mode build: ok"
