#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as a
# normal build with warnings as errors (then each fuzz target replays its seed
# corpus), once under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/dipendenze.sh
jobs=$(nproc)

echo "== Format check"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUOTARIO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure

echo "== Fuzz targets over their seed corpus"
bash tools/fuzz.sh 0

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRUOTARIO_WERROR=ON -DRUOTARIO_SANITIZE=ON \
  -DRUOTARIO_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp" \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure
