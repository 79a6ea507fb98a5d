#!/usr/bin/env bash
# Builds the game (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quintavo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quintavo is built (build/bin/quintavo) but there is no display to show it on:" >&2
    echo "run this command from a desktop session (DISPLAY or WAYLAND_DISPLAY must be set)." >&2
    exit 1
fi
exec build/bin/quintavo
