#!/usr/bin/env bash
# Builds the core, storage and window tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs them through ctest. Any report fails the test it came from: memory and
# undefined-behaviour errors stop the program at once, and leaks are reported when it exits. Leaks
# inside the system libraries under Qt are suppressed by scripts/lsan-suppressions.txt; those of
# the program's own code never are.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Exported before the build, since test discovery runs the test programs too.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"

# Unoptimised: the instrumented tests build in two thirds of the time, and assertions stay on.
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DDIFONIK_SANITIZE=ON -DDIFONIK_BUILD_BENCH=OFF
ctest --test-dir "$root/build-asan" --output-on-failure -j2
