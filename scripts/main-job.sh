#!/usr/bin/env bash
# The main job: make the demo database if it is not there yet, then print the list of the
# demo month for the first legal entity, grouped by manager, into a PDF file, as a user at the
# form would (the control's messages appear on stderr).
set -euo pipefail
build=$1
db="$build/demo.db"
pdf="$build/liste-accords-non-renouveles.pdf"

[ -f "$db" ] || "$build/host/tools/dbtool/ardoine-db" demo "$db" --size demo
"$build/host/demo/ardoine-demo" print --db "$db" --login admin --entite 041 --par responsable \
    --mois 2026-12 --sortie "$pdf"
echo "Liste imprimée dans : $pdf"
if command -v pdftotext >/dev/null; then
    pdftotext -layout -l 1 "$pdf" - | head -40
fi
