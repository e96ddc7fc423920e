#!/usr/bin/env bash
# Builds Difonik and runs every test through ctest, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of every fuzz target.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j2
"$root/scripts/test-sanitized.sh"
"$root/scripts/fuzz.sh" short 30
