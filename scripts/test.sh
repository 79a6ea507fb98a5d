#!/usr/bin/env bash
# Checks the sources' layout, then builds and runs every test: the main build
# (unit, widget and end-to-end tests), then the core under address and
# undefined-behaviour sanitizers, the engine hand-off under the thread
# sanitizer, and short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test
jobs=$(nproc)

stage() { printf '\n==== %s ====\n' "$*"; }

stage "formatting"
scripts/check-format.sh

stage "main build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
# The self-play soak (label soak) runs on request only; see the README.
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600 -LE soak

stage "address and undefined-behaviour sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DQUINTAVO_WITH_QT=OFF \
    -DQUINTAVO_SANITIZE=address,undefined >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan -j "$jobs" --output-on-failure -LE "slow|soak" --timeout 900

stage "thread sanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUINTAVO_WITH_QT=OFF \
    -DQUINTAVO_SANITIZE=thread >/dev/null
cmake --build build-tsan -j "$jobs"
ctest --test-dir build-tsan -j "$jobs" --output-on-failure -L thread --timeout 900

stage "fuzzing"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUINTAVO_WITH_QT=OFF -DQUINTAVO_TESTS=ON \
    -DQUINTAVO_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target quintavo_fuzzers
# Each fuzzer runs for a fixed time on one core.
ctest --test-dir build-fuzz -j "$jobs" --output-on-failure -L fuzz --timeout 900

stage "all tests passed"
