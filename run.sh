#!/usr/bin/env bash
# Builds Difonik and starts it in the current directory, where it keeps its bases under sample/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DDIFONIK_BUILD_BENCH=OFF

# A base can only be saved where the register sample/baza.txt exists.
if [ ! -f sample/baza.txt ]; then
    mkdir -p sample
    : > sample/baza.txt
    echo "Created $(pwd)/sample/ with an empty base register baza.txt."
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MSG
No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open.
To start Difonik in a virtual X server instead:
    Xvfb :99 -screen 0 1280x1024x24 &
    DISPLAY=:99 $0
or, in one step:  xvfb-run -s '-screen 0 1280x1024x24' $0
MSG
    exit 1
fi
exec "$root/build/app/difonik"
