#!/usr/bin/env bash
# One real run of each installed service that writes its lists into the shared folder (the
# list ahead, one file per manager, and the backlog), as root with the packages installed: the
# settings file copied from the package's example with the database and the folder moved into
# a temporary one, a demo database and the rights record of the example written by the
# service's user, then the service's shell command as systemd hands it to /bin/sh ($$ and %% of
# the unit file made $ and %), in the service's environment. Each run must leave its day's
# folder with lists that open on the schedule page.
#   scripts/essai-listes-dossier.sh UNIT.service...
set -euo pipefail
exemples=/usr/share/doc/controle-ardoine/examples
# shellcheck source=unite-service.sh
. "$(dirname "$0")/unite-service.sh"
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

# script_du_service UNIT: the text that ExecStart gives to `/bin/sh -c`, as the shell gets it.
script_du_service() {
    commande_du_service "$1" |
        sed -e "s|^/bin/sh -c '||" -e "s|'\$||" -e 's/\$\$/$/g' -e 's/%%/%/g'
}

travail=$(mktemp -d)
chmod 755 "$travail"
trap 'rm -rf "$travail"' EXIT
utilisateur=$(directive "$1" User)
reglages=$travail/liste.conf
base=$travail/base.db
sed -e "s|^LISTE_DOSSIER=.*|LISTE_DOSSIER=$travail/partage|" \
    -e "s|^LISTE_BASE=.*|LISTE_BASE=$base|" "$exemples/liste.conf" >"$reglages"
install -d -o "$utilisateur" -m 0750 "$travail/partage" "$travail/execution"
chown "$utilisateur" "$travail"
runuser -u "$utilisateur" -- ardoine-db demo "$base" >/dev/null
runuser -u "$utilisateur" -- ardoine-db import "$base" "$exemples/droits-planif.jsonl"

for unite in "$@"; do
    environnement_du_service "$unite" "$reglages" "$travail/execution"
    echo "== $(basename "$unite")"
    sortie=$(runuser -u "$utilisateur" -- env -i PATH=/usr/bin:/bin "${environnement[@]}" \
        /bin/sh -c "$(script_du_service "$unite")") || echec "$(basename "$unite") failed"
    jour=$travail/partage/$(date +%F)
    [ -n "$(ls -A "$jour")" ] || echec "$(basename "$unite") wrote nothing into $jour"
    for pdf in "$jour"/*.pdf; do
        pdftotext -f 1 -l 1 "$pdf" - | grep -q ECHEANCIER || echec "$pdf has no schedule page"
    done
    [ -z "$sortie" ] || echo "$sortie"
    ls "$jour"
    rm -rf "$jour"
done
echo "Shared-folder lists written as the units run them."
