#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for SECONDS seconds
# (default 60), starting from its seed corpus in fuzz/corpus/<target>/. New
# inputs are kept in build-fuzz/corpus/<target>/; an input that breaks a target
# is written to build-fuzz/findings/ and stops the run.
#   bash tools/fuzz.sh 600          every target ten minutes
#   bash tools/fuzz.sh 0            replay the seed corpus only
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=${1:-60}
jobs=$(nproc)
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUOTARIO_FUZZ=ON \
  -DRUOTARIO_BUILD_TESTS=OFF -DRUOTARIO_BUILD_BENCH=OFF >/dev/null
obiettivi=()
for f in fuzz/fuzz_*.cpp; do obiettivi+=("$(basename "$f" .cpp)"); done
cmake --build build-fuzz -j"$jobs" --target "${obiettivi[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/findings
for o in "${obiettivi[@]}"; do
  if [ "$secondi" -eq 0 ]; then
    echo "== $o: seed corpus"
    build-fuzz/fuzz/"$o" -runs=0 "fuzz/corpus/$o"
  else
    echo "== $o: $secondi s"
    mkdir -p "build-fuzz/corpus/$o"
    build-fuzz/fuzz/"$o" -max_total_time="$secondi" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$o-" "build-fuzz/corpus/$o" "fuzz/corpus/$o"
  fi
done
