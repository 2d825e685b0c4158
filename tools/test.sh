#!/usr/bin/env bash
# Builds everything and runs every test: once in the normal build, then the
# suite again in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# where a leak, a memory error or undefined behaviour fails the test it is in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
bash "$root/tools/deps.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --parallel "$jobs"
ctest --test-dir "$root/build" --output-on-failure --timeout 300 --parallel "$jobs"

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON
cmake --build "$root/build-sanitize" --parallel "$jobs"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Packaging and the asset bytes do not depend on how the code was compiled.
ctest --test-dir "$root/build-sanitize" --output-on-failure --timeout 600 --parallel "$jobs" \
  -E '^(packaging|assets)\.'
