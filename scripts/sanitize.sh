#!/usr/bin/env bash
# Builds the whole project and its tests with clang under the address and
# undefined-behaviour sanitizers (undefined behaviour is fatal) into
# build-sanitize/ and runs the whole test suite there (offscreen, OpenGL
# under xvfb-run, as in scripts/test.sh) with leak
# detection. Leaks inside system libraries are suppressed by
# tests/sanitize/lsan.supp; none in the project's own code are.
# Extra arguments go to ctest (e.g. -L engine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/setup.sh --clang

root="$PWD"
build="$root/build-sanitize"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$flags" -DORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2

# Each widget test's main picks the offscreen platform unless one is set; the
# OpenGL tests run under xvfb-run with xcb, so no platform is forced here.
# A failed allocation returns null as it does outside the sanitizer (a picture
# too large for memory is refused, not fatal).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j2 -E '^views_render3d_test$' "$@"
# The OpenGL render test draws through the software GL driver, which is
# unloaded before the leak check runs: its allocations come from an unknown
# module that no suppression can name. That one test runs with every check
# but the leak check.
ASAN_OPTIONS="${ASAN_OPTIONS/detect_leaks=1/detect_leaks=0}" \
  ctest --test-dir "$build" --output-on-failure -R '^views_render3d_test$' "$@"
