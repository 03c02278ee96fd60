#!/bin/sh
# Prints the demo list on a real CUPS queue: a scheduler of the test's own, listening on a
# socket in a temporary folder, with one raw queue "Bureau". The job it receives is kept in its
# spool folder and read back: the list's pages, once per copy. An unknown printer is refused
# with status 2 and the name of the queue that exists. Skipped (77) without cupsd.
# Usage: impression-cups.sh ARDOINE_DEMO DEMO_DB
set -eu
demo=$1
base=$2
cupsd=/usr/sbin/cupsd
[ -x "$cupsd" ] && command -v lpadmin >/dev/null && command -v pdftotext >/dev/null || exit 77
# The scheduler refuses to run its filters as root; it needs the lp account.
id lp >/dev/null 2>&1 || exit 77

. "$(dirname "$0")/ordonnanceur-cups.sh"
dossier=$(mktemp -d)
chmod 755 "$dossier"
arreter() {
    statut=$?
    cups_arreter "$dossier"
    rm -rf "$dossier" 2>/dev/null || true
    exit "$statut"
}
trap arreter EXIT
cups_demarrer "$dossier" Bureau

echec() { echo "ECHEC : $*" >&2; exit 1; }

# An unknown printer: status 2, nothing sent, the queues named.
statut=0
QT_QPA_PLATFORM=offscreen "$demo" print --db "$base" --entite 041 --mois 2026-12 \
    --imprimante Nulle 2>"$dossier/erreurs" || statut=$?
[ "$statut" = 2 ] || echec "imprimante inconnue : statut $statut"
grep -q "Imprimante inconnue : « Nulle ». Imprimantes disponibles : Bureau." "$dossier/erreurs" ||
    echec "message : $(cat "$dossier/erreurs")"

# Two copies on the queue, and the same list to a PDF file for comparison.
QT_QPA_PLATFORM=offscreen "$demo" print --db "$base" --entite 041 --mois 2026-12 \
    --imprimante Bureau --copies 2 || echec "impression sur Bureau"
QT_QPA_PLATFORM=offscreen "$demo" print --db "$base" --entite 041 --mois 2026-12 \
    --sortie "$dossier/liste.pdf" || echec "impression PDF"
travail=$(cups_premier_travail "$dossier")
[ -n "$travail" ] || echec "aucun travail reçu par la file Bureau"
lpstat -W all -o Bureau | grep -q '^Bureau-' || echec "travail absent de la file Bureau"
pdftotext -layout "$travail" "$dossier/recu.txt"
pdftotext -layout "$dossier/liste.pdf" "$dossier/liste.txt"
[ "$(cat "$dossier/liste.txt" "$dossier/liste.txt")" = "$(cat "$dossier/recu.txt")" ] ||
    echec "le travail reçu n'est pas la liste en deux exemplaires"
echo "file Bureau : $(grep -c 'LISTE DES ACCORDS NON RENOUVELES' "$dossier/recu.txt") pages reçues"
