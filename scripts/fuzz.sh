#!/usr/bin/env bash
# Fuzzes the parsers and decisions that take outside data, with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer. Each target runs a fixed number of inputs (the first
# argument, 200000 by default) over a copy of its seed corpus, so the repository's corpus
# stays as it is. A crash, a leak, undefined behaviour or a broken invariant fails the
# script, and the input that caused it is kept in the build folder's artifacts/.
# The build folder is build/fuzz unless TH_FUZZ_BUILD names another.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

runs=${1:-200000}
build=${TH_FUZZ_BUILD:-build/fuzz}

targets=()
for source in tests/fuzz/*Fuzz.cpp; do
  name=$(basename "$source" Fuzz.cpp)
  targets+=("$name")
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTH_LIBFUZZER=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$build/artifacts"
for name in "${targets[@]}"; do
  corpus="$build/corpus/$name"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/"$name"/* "$corpus"/
  options=(-runs="$runs" -detect_leaks=1 -print_final_stats=1
           -artifact_prefix="$build/artifacts/$name-")
  [ -f "tests/fuzz/$name.dict" ] && options+=(-dict="tests/fuzz/$name.dict")
  echo "fuzz: $name, $runs runs"
  "$build/fuzz_$name" "${options[@]}" "$corpus" 2>"$build/fuzz_$name.log" || {
    tail -n 60 "$build/fuzz_$name.log" >&2
    echo "fuzz: $name failed; inputs in $build/artifacts/" >&2
    exit 1
  }
  grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$build/fuzz_$name.log" || true
done
echo "fuzz: every target passed"
