#!/usr/bin/env bash
# One real run of the installed monthly-list service, as root, with the packages installed:
# the steps of docs/impression-mensuelle.md (the settings file copied from the package's
# example, a demo database and the rights record of the example, both written by the service's
# user), then the service's ExecStart as systemd runs it here (its User, its EnvironmentFile
# and Environment= lines, ${VAR} as one word and $VAR split at blanks), printing on a CUPS
# queue of a scheduler of the run's own, named as the settings name it. The job the queue
# receives must be last month's list. Files of an office already there are never touched.
#   scripts/essai-liste-mensuelle.sh /usr/lib/systemd/system/ardoine-liste.service
set -euo pipefail
unite=$1
exemples=/usr/share/doc/controle-ardoine/examples
# shellcheck source=../tests/cups/ordonnanceur-cups.sh
. "$(dirname "$0")/../tests/cups/ordonnanceur-cups.sh"

# shellcheck source=unite-service.sh
. "$(dirname "$0")/unite-service.sh"
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

utilisateur=$(directive "$unite" User)
reglages=$(directive "$unite" EnvironmentFile)
base=/var/lib/ardoine/base.db
for deja in "$reglages" "$base"; do
    [ ! -e "$deja" ] || echec "$deja exists already: left as it is, no trial run"
done

dossier=$(mktemp -d)
chmod 755 "$dossier"
cree_reglages=0
[ -d "$(dirname "$reglages")" ] || cree_reglages=1
nettoyer() {
    local statut=$?
    cups_arreter "$dossier"
    rm -f "$reglages" "$base" "$base-wal" "$base-shm"
    [ $cree_reglages -eq 0 ] || rmdir "$(dirname "$reglages")"
    rm -rf "$dossier" /run/ardoine-liste
    exit $statut
}
trap nettoyer EXIT

# The guide's steps.
install -d -m 0755 "$(dirname "$reglages")"
cp "$exemples/liste.conf" "$reglages"
runuser -u "$utilisateur" -- ardoine-db demo "$base" >/dev/null
runuser -u "$utilisateur" -- ardoine-db import "$base" "$exemples/droits-planif.jsonl"

# The environment of the service: its settings file (a value in double quotes without them),
# then its Environment= lines.
declare -A valeurs
environnement_du_service "$unite" "$reglages" /run
for affectation in "${environnement[@]}"; do valeurs[${affectation%%=*}]=${affectation#*=}; done

# A scheduler of this run's own, with the queue the settings name; its jobs stay in its spool.
file=${valeurs[LISTE_IMPRIMANTE]}
cups_demarrer "$dossier" "$file"

# The service's command, its variables put in as systemd puts them.
mots=()
for mot in $(commande_du_service "$unite"); do
    # shellcheck disable=SC2016
    case $mot in
        '${'*'}') mots+=("${valeurs[${mot:2:-1}]}") ;;
        '$'*)
            # shellcheck disable=SC2206
            mots+=(${valeurs[${mot:1}]}) ;;
        *'$'*) echec "a variable inside a word of ExecStart: $mot" ;;
        *) mots+=("$mot") ;;
    esac
done
install -d -o "$utilisateur" -m 0700 /run/ardoine-liste
echo "${mots[*]}"
runuser -u "$utilisateur" -- env -i PATH=/usr/bin:/bin CUPS_SERVER="$CUPS_SERVER" \
    "${environnement[@]}" "${mots[@]}" || echec "the service's command failed"

travail=$(cups_premier_travail "$dossier")
[ -n "$travail" ] || echec "no job on the queue $file"
mois=(JANVIER FÉVRIER MARS AVRIL MAI JUIN JUILLET AOÛT SEPTEMBRE OCTOBRE NOVEMBRE DÉCEMBRE)
precedent=$(date -d "$(date +%Y-%m-01) -1 month" +%Y-%m)
attendu="SUR ${mois[$((10#${precedent#*-} - 1))]} ${precedent%-*}"
texte=$(pdftotext -layout "$travail" -)
grep -q "LISTE DES ACCORDS NON RENOUVELES" <<<"$texte" || echec "the job is not the list"
grep -q "$attendu" <<<"$texte" || echec "the job is not last month's list ($attendu)"
echo "Queue $file: $(grep -c 'LISTE DES ACCORDS NON RENOUVELES' <<<"$texte") pages of the list $attendu"
