#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and UndefinedBehavior-
# Sanitizer, then runs each on its seed corpus for a fixed time. Fails on the first crash,
# sanitizer report, timeout or memory blow-up; the input that caused it is kept as
# BUILD_DIR/artefacts/<target>-crash-... and can be replayed by passing it to the target.
#   scripts/ci-fuzz.sh [BUILD_DIR]        FUZZ_SECONDS=60 by default, per target
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
targets=(fuzz_phrase fuzz_expression fuzz_ligne_echange fuzz_selection)

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CXX=clang++-14 cmake -S "$here" -B "$build" -G Ninja -DARDOINE_FUZZ=ON -DARDOINE_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/artefacts"
for target in "${targets[@]}"; do
    # New inputs go to a corpus of the build; the seeds of the repository stay as they are.
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "== $target: ${seconds}s"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artefacts/$target-" \
        "$corpus" "$here/fuzz/corpus/$target" 2>"$build/$target.log" ||
        { tail -n 60 "$build/$target.log"; exit 1; }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log"
done
