#!/usr/bin/env bash
# Runs a benchmark program with a PostgreSQL server of its own, for the benchmarks on the
# server store. The cluster and the databases copied into it are kept in DIR from one run to
# the next (the copy of the hundred-year database takes minutes); `rm -rf DIR` starts afresh.
#   bench/serveur-bench.sh DIR PROGRAM [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
dir=$(realpath -m "$1")
shift
grappe="$here/../tests/postgres/serveur-essai.sh"
serveur=$("$grappe" resume "$dir")
trap '"$grappe" halt "$dir"' EXIT
# A server of an office gives its page cache a good share of the memory; the default (128 MB)
# holds less than the ten-year database.
if [ "$(psql "$serveur" -Atc 'SHOW shared_buffers')" != "2GB" ]; then
    psql "$serveur" -qc "ALTER SYSTEM SET shared_buffers = '2GB'"
    "$grappe" halt "$dir"
    "$grappe" resume "$dir" >/dev/null
fi
ARDOINE_BENCH_SERVEUR="$serveur" "$@"
