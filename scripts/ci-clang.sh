#!/usr/bin/env bash
# Builds the whole tree (libraries, tools, demo host, Designer plugin, tests and benchmarks)
# with clang 14, warnings as errors, to find what GCC accepts and clang does not. Debug without
# optimisation: clang's warnings come from its front end, so an optimised build finds no other
# and takes longer. The tests run in the GCC builds; here they are only built.
#   scripts/ci-clang.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-clang}
shift $(( $# > 1 ? 1 : $# ))

CXX=clang++-14 cmake -S "$here" -B "$build" -G Ninja -DARDOINE_BENCHMARKS=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
