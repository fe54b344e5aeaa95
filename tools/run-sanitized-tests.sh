#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ (or $QB_ASAN_BUILD_DIR) and runs the whole test suite under
# them. Any sanitizer report fails the test that caused it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup-debian.sh"
build="${QB_ASAN_BUILD_DIR:-$here/build-asan}"
jobs="$(nproc 2>/dev/null || echo 2)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_SANITIZE=address,undefined "${launcher[@]}" "$@"
cmake --build "$build" -j "$jobs"
# The toolkit's libraries have no frame pointers: the slow unwinder is what
# puts the start-up frame of the suppression file into a leak's stack. It
# costs time per allocation and frame, so stacks are kept to 10 frames,
# which still reach it.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=10:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$here/tools/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Sanitized frames are larger: MEL's stack budget is 16 MB in this build.
ulimit -s 65536 2>/dev/null || ulimit -s unlimited 2>/dev/null || true
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
