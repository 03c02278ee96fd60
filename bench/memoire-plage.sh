#!/usr/bin/env bash
# Peak memory of the print command for one month and for the twelve months of 2026 of the
# ten-year database, to a PDF file, a workbook and a CSV file, each run a process of its own
# (the maximum resident set size of GNU time, Debian package "time").
#   bench/memoire-plage.sh [BUILD_DIR]      (the benchmarks' build: bench-cache/bench-10ans.db)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
base=$build/bench-cache/bench-10ans.db
[ -f "$base" ] || "$build/host/tools/dbtool/ardoine-db" demo "$base" --size bench-10ans >/dev/null
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
export QT_QPA_PLATFORM=offscreen
printf '| sortie | mois | pic mémoire (Mo) | durée (s) |\n|---|---|---|---|\n'
for extension in pdf xlsx csv; do
    for au in 2026-01 2026-12; do
        mesure=$(/usr/bin/time -f '%M %e' "$build/host/demo/ardoine-demo" print --db "$base" \
            --entite 041 --du 2026-01 --au "$au" --sortie "$travail/liste.$extension" 2>&1 >/dev/null |
            tail -n 1)
        awk -v sortie="$extension" -v mois="${au#2026-}" -v mesure="$mesure" 'BEGIN {
            split(mesure, m, " "); printf "| %s | %s | %.1f | %s |\n", sortie, mois, m[1] / 1024, m[2] }' 
    done
done
