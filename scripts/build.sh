#!/usr/bin/env bash
# Configures and builds Difonik into build/ (or the directory given as $1), after making sure the
# packages it needs are installed. Extra arguments go to cmake's configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
shift || true

"$root/scripts/ensure-packages.sh"
cmake -S "$root" -B "$build" -G Ninja "$@" > "$build.configure.log" 2>&1 || {
    cat "$build.configure.log"
    exit 1
}
cmake --build "$build" -j"$(nproc)"
