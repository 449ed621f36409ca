#!/usr/bin/env bash
# Installs the packages, builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test, after a short fuzzing run of the JSON reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUNTA_SANITIZE=ON -DZUNTA_TESTS=ON >/dev/null
cmake --build build/test
# A short fuzzing run of the JSON reader (its own clang build in build/fuzz).
bash tools/run-fuzz.sh -runs=20000
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
