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
# The module exports its entry points and the API version markers, nothing
# else. Compared by demangled name: a real devkit keeps MObject in a
# versioned namespace (Autodesk::Maya::OpenMaya20220000::MObject), so the
# mangled names differ from release to release.
exports=$(nm -D --defined-only -C "$module" | awk '$2 ~ /^[TDB]$/ {$1 = ""; $2 = ""; sub(/^ +/, ""); print}' \
    | grep -v '^_edata$\|^_end$\|^__bss_start$' | sort)
object='([A-Za-z_][A-Za-z0-9_]*::)*MObject'
status=0
for pattern in '^MApiVersion$' '^ADSK_PLUGIN_SIGNATURE$' "^initializePlugin\\($object\\)\$" \
               "^uninitializePlugin\\($object\\)\$"; do
    count=$(printf '%s\n' "$exports" | grep -Ec "$pattern" || true)
    if [ "$count" != 1 ]; then
        echo "expected one export matching $pattern, found $count"; status=1
    fi
done
if [ "$(printf '%s\n' "$exports" | wc -l)" != 4 ]; then
    echo "unexpected exports:"; echo "$exports"; status=1
fi
[ "$status" = 0 ] || exit 1
echo "devkit-mode build: ok"
