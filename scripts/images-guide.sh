#!/usr/bin/env bash
# Makes the pictures of the user's guide (docs/guide/*.png) from the demo database: the form in
# its main states, as the demo host shows it, and at two larger scales, and the first page of a
# printed list and of one manager's list of three months, turned into pictures by pdftoppm. Run it again whenever the form or the list
# changes:
#   scripts/images-guide.sh [BUILD_DIR]        (default: build)
# The period shown starts on the current month and the list is dated today, so run it in the
# month of the example (December 2026) to keep the pictures as they are.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$racine/build}" && pwd)
demo="$build/host/demo/ardoine-demo"
db="$build/demo.db"
images="$racine/docs/guide"

cmake --build "$build" --target ardoine-demo ardoine-db
[ -f "$db" ] || "$build/host/tools/dbtool/ardoine-db" demo "$db" --size demo
mkdir -p "$images"
provisoire=$(mktemp -d)
trap 'rm -rf "$provisoire"' EXIT
export QT_QPA_PLATFORM=offscreen

# The form as it opens, then filled in as a user would.
"$demo" --db "$db" --screenshot "$images/formulaire.png"
"$demo" print --db "$db" --entite 41 --activite 2 --par secteur --organisme 1 --mois 2026-12 \
    --screenshot "$images/criteres.png"
"$demo" print --db "$db" --entite 41 --commune 91421 --mois 2026-12 \
    --screenshot "$images/commune.png"

# The form as it opens on a screen scaled to 150 % and to 200 %: every caption and field whole.
QT_SCALE_FACTOR=1.5 "$demo" --db "$db" --screenshot "$images/formulaire-150.png"
QT_SCALE_FACTOR=2 "$demo" --db "$db" --screenshot "$images/formulaire-200.png"

# The first page of the list of December 2026, grouped by sector.
"$demo" print --db "$db" --entite 41 --par secteur --mois 2026-12 --sortie "$provisoire/liste.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$provisoire/liste.pdf" "$images/liste"

# The schedule page of three months, and the first month's page of one manager's file of the
# same months.
"$demo" print --db "$db" --entite 41 --du 2026-12 --au 2027-02 --sortie "$provisoire/plage.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$provisoire/plage.pdf" "$images/echeancier"
"$demo" print --db "$db" --entite 41 --du 2026-12 --au 2027-02 --un-fichier-par-groupe \
    --sortie "$provisoire/a-renouveler.pdf" >"$provisoire/fichiers"
premier=$(head -n 1 "$provisoire/fichiers")
pdftoppm -png -r 60 -f 2 -l 2 -singlefile "$premier" "$images/a-renouveler"
echo "Images du guide dans $images"
