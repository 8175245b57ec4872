#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#  1. the whole project under AddressSanitizer + UndefinedBehaviorSanitizer, all unit tests;
#  2. the protocol client and the player's run threads under ThreadSanitizer;
#  3. each libFuzzer target (clang) for a bounded time on its seed corpus.
# FUZZ_SECONDS sets the time per fuzz target (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-20}

echo "== ASan + UBSan build and tests"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDW_SANITIZE=ON
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
ctest --test-dir build/asan --output-on-failure -j "$jobs"

if [ -f tests/link/CMakeLists.txt ] || ls tests/link/*.cpp >/dev/null 2>&1; then
    echo "== ThreadSanitizer build of the protocol client and run thread tests"
    cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDW_TSAN=ON
    cmake --build build/tsan -j "$jobs" --target test_link test_runtime_threads
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir build/tsan \
        -R '^(link|runtime_threads)$' --output-on-failure
fi

echo "== Fuzz targets, ${fuzz_seconds}s each"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDW_FUZZ=ON -DDW_TESTS=OFF
targets=$(sed -n 's/^ *dw_fuzzer(\([a-z_]*\).*/fuzz_\1/p' fuzz/CMakeLists.txt)
for t in $targets; do
    cmake --build build/fuzz -j "$jobs" --target "$t"
    name=${t#fuzz_}
    work=$(mktemp -d)
    cp -r fuzz/corpus/"$name"/. "$work"/ 2>/dev/null || true
    build/fuzz/fuzz/"$t" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$work" 2>&1 | tail -n 3
    rm -rf "$work"
done
echo "== All tests passed"
