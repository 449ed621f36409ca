#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build/fuzz and runs the JSON reader target from the seed pages of tests/fuzz/corpus.
#
#   tools/run-fuzz.sh                         20000 inputs (what CI runs)
#   tools/run-fuzz.sh -max_total_time=600     ten minutes
#   tools/run-fuzz.sh -runs=1000000 -jobs=4   any other libFuzzer options
#
# New inputs the fuzzer keeps go to build/fuzz/corpus, never into the repository; a crashing
# input is written to build/fuzz/artifacts and the script fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZUNTA_FUZZ_BUILD:-$root/build/fuzz}"
# No precompiled headers: clang refuses one older than a system header it holds, and a cached
# one is.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# clang-14 is what tools/install-deps.sh installs; a plain clang serves as well.
cc=clang-14 cxx=clang++-14
if ! command -v "$cxx" >/dev/null; then cc=clang cxx=clang++; fi
CC="$cc" CXX="$cxx" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZUNTA_FUZZ=ON -DZUNTA_SANITIZE=ON -DZUNTA_TESTS=OFF -DZUNTA_BENCHMARKS=OFF \
    -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build" --target fuzz_JsonReader

options=("$@")
if [ ${#options[@]} -eq 0 ]; then
    options=(-runs=20000)
fi
mkdir -p "$build/corpus" "$build/artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
"$build/tests/fuzz/fuzz_JsonReader" "$build/corpus" "$root/tests/fuzz/corpus" \
    -dict="$root/tests/fuzz/json.dict" -max_len=16384 -timeout=10 \
    -artifact_prefix="$build/artifacts/" "${options[@]}"
