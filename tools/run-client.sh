#!/usr/bin/env bash
# Installs the packages, builds the client in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUNTA_TESTS=OFF >/dev/null
cmake --build build/release --target zunta
exec build/release/app/zunta "$@"
