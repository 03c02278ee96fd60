#!/usr/bin/env bash
# Runs a benchmark program with a PostgreSQL server of its own, for the benchmarks on the
# server store. The cluster and the databases copied into it are kept in DIR from one run to
# the next (the copy of the hundred-year database takes minutes); `rm -rf DIR` starts afresh.
#   bench/serveur-bench.sh DIR PROGRAM [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
dir=$(realpath -m "$1")
shift
serveur=$("$here/../tests/postgres/serveur-essai.sh" resume "$dir")
trap '"$here/../tests/postgres/serveur-essai.sh" halt "$dir"' EXIT
ARDOINE_BENCH_SERVEUR="$serveur" "$@"
