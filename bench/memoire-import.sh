#!/usr/bin/env bash
# Peak memory and elapsed time of `ardoine-db import` into a new database, at several sizes of
# JSON Lines made by the demo generator, each import a process of its own (the maximum resident
# set size of GNU time, Debian package "time"). The inputs are kept in bench-cache/.
#   bench/memoire-import.sh [BUILD_DIR] [AIDES:ANNEES ...]
# The default sizes give about 140,000, 800,000 and 3,200,000 lines.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
shift || true
tailles=("$@")
[ ${#tailles[@]} -gt 0 ] || tailles=(20000:5 100000:7 200000:15)
outil=$build/host/tools/dbtool/ardoine-db
cache=$build/bench-cache
mkdir -p "$cache"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
printf '| lignes | pic mémoire (Mo) | durée (s) |\n|---|---|---|\n'
for taille in "${tailles[@]}"; do
    aides=${taille%%:*}
    annees=${taille##*:}
    lignes=$cache/import-$aides-$annees.jsonl
    if [ ! -f "$lignes" ]; then
        "$outil" demo "$travail/source.db" --aides "$aides" --annees "$annees" >/dev/null
        "$outil" export "$travail/source.db" -o "$lignes"
        rm -f "$travail/source.db"
    fi
    "$outil" create "$travail/cible.db" >/dev/null
    mesure=$(/usr/bin/time -f '%M %e' "$outil" import "$travail/cible.db" "$lignes" 2>&1 >/dev/null |
        tail -n 1)
    rm -f "$travail"/cible.db*
    awk -v lignes="$(wc -l <"$lignes")" -v mesure="$mesure" 'BEGIN {
        split(mesure, m, " "); printf "| %d | %.1f | %s |\n", lignes, m[1] / 1024, m[2] }'
done
