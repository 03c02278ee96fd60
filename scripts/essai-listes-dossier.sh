#!/usr/bin/env bash
# One real run of each installed service that writes its lists into the shared folder (the
# list ahead, one file per manager, and the backlog), as root with the packages installed: the
# settings file copied from the package's example with the folder moved into a temporary one,
# a demo database written by the service's user, then the service's shell command as systemd
# hands it to /bin/sh ($$ and %% of the unit file made $ and %), in the service's environment.
# Each run must leave its day's folder with lists that open on the schedule page.
#   scripts/essai-listes-dossier.sh UNIT.service...
set -euo pipefail
exemples=/usr/share/doc/controle-ardoine/examples
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

# directive UNIT NAME: the values of the unit's lines NAME=..., one a line.
directive() { sed -n "s/^$2=//p" "$1"; }
# script_du_service UNIT: the text that ExecStart gives to `/bin/sh -c`, as the shell gets it.
script_du_service() {
    awk '/^ExecStart=/ { ligne = substr($0, 11)
                         while (ligne ~ /\\$/) { sub(/\\$/, "", ligne); getline suite; ligne = ligne suite }
                         print ligne }' "$1" |
        sed -e "s|^/bin/sh -c '||" -e "s|'\$||" -e 's/\$\$/$/g' -e 's/%%/%/g'
}

travail=$(mktemp -d)
chmod 755 "$travail"
trap 'rm -rf "$travail"' EXIT
premiere=$1
utilisateur=$(directive "$premiere" User)
reglages=$travail/liste.conf
sed "s|^LISTE_DOSSIER=.*|LISTE_DOSSIER=$travail/partage|" "$exemples/liste.conf" >"$reglages"
base=$travail/base.db
sed -i "s|^LISTE_BASE=.*|LISTE_BASE=$base|" "$reglages"
install -d -o "$utilisateur" -m 0750 "$travail/partage"
runuser -u "$utilisateur" -- ardoine-db demo "$base" >/dev/null

for unite in "$@"; do
    environnement=()
    while IFS= read -r ligne; do
        case $ligne in
            '' | '#'*) continue ;;
            *=\"*\") ligne=${ligne%\"} && ligne=${ligne/=\"/=} ;;
        esac
        environnement+=("$ligne")
    done <"$reglages"
    while IFS= read -r ligne; do environnement+=("${ligne//%t/$travail}"); done < <(directive "$unite" Environment)
    echo "== $(basename "$unite")"
    sortie=$(runuser -u "$utilisateur" -- env -i PATH=/usr/bin:/bin "${environnement[@]}" \
        /bin/sh -c "$(script_du_service "$unite")") || echec "$(basename "$unite") failed"
    jour=$travail/partage/$(date +%F)
    [ -n "$(ls -A "$jour")" ] || echec "$(basename "$unite") wrote nothing into $jour"
    for pdf in "$jour"/*.pdf; do
        pdftotext -f 1 -l 1 "$pdf" - | grep -q ECHEANCIER || echec "$pdf has no schedule page"
    done
    [ -z "$sortie" ] || echo "$sortie"
    rm -rf "$jour"
done
echo "Shared-folder lists written as the units run them."
