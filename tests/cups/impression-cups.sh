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

dossier=$(mktemp -d)
chmod 755 "$dossier"
arreter() {
    statut=$?
    if [ -f "$dossier/cupsd.pid" ]; then
        kill "$(cat "$dossier/cupsd.pid")" 2>/dev/null || true
        wait "$(cat "$dossier/cupsd.pid")" 2>/dev/null || true
    fi
    rm -rf "$dossier" 2>/dev/null || true
    exit "$statut"
}
trap arreter EXIT
mkdir -p "$dossier/spool" "$dossier/cache" "$dossier/state" "$dossier/log"
cat >"$dossier/cupsd.conf" <<FIN
Listen $dossier/cups.sock
LogLevel warn
WebInterface No
PreserveJobFiles Yes
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
FIN
cat >"$dossier/cups-files.conf" <<FIN
FileDevice Yes
ServerRoot $dossier
RequestRoot $dossier/spool
CacheDir $dossier/cache
StateDir $dossier/state
TempDir $dossier/spool
ErrorLog $dossier/log/error_log
AccessLog $dossier/log/access_log
PageLog $dossier/log/page_log
User lp
Group lp
FIN
chown -R lp:lp "$dossier/spool" "$dossier/cache"
"$cupsd" -f -c "$dossier/cupsd.conf" -s "$dossier/cups-files.conf" &
echo $! >"$dossier/cupsd.pid"
export CUPS_SERVER="$dossier/cups.sock"
for _ in $(seq 50); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpadmin -p Bureau -E -v "file:///dev/null" -m raw 2>/dev/null

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
travail=""
for _ in $(seq 50); do
    travail=$(ls "$dossier"/spool/d*-001 2>/dev/null | head -n 1)
    [ -n "$travail" ] && break
    sleep 0.1
done
[ -n "$travail" ] || echec "aucun travail reçu par la file Bureau"
lpstat -W all -o Bureau | grep -q '^Bureau-' || echec "travail absent de la file Bureau"
pdftotext -layout "$travail" "$dossier/recu.txt"
pdftotext -layout "$dossier/liste.pdf" "$dossier/liste.txt"
[ "$(cat "$dossier/liste.txt" "$dossier/liste.txt")" = "$(cat "$dossier/recu.txt")" ] ||
    echec "le travail reçu n'est pas la liste en deux exemplaires"
echo "file Bureau : $(grep -c 'LISTE DES ACCORDS NON RENOUVELES' "$dossier/recu.txt") pages reçues"
