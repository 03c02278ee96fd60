# Sourced by the scripts that print on a real CUPS queue: a scheduler of their own, listening on
# a socket in a folder of theirs, with one raw queue whose jobs stay in its spool folder.
#   . tests/cups/ordonnanceur-cups.sh
#   cups_demarrer FOLDER QUEUE      starts it and exports CUPS_SERVER for the clients
#   cups_premier_travail FOLDER     the file of the first job received (empty after 5 s)
#   cups_arreter FOLDER             stops it
# The scheduler refuses to run its filters as root; it needs the lp account.

cups_demarrer() {
    mkdir -p "$1/spool" "$1/cache" "$1/state" "$1/log"
    cat >"$1/cupsd.conf" <<FIN
Listen $1/cups.sock
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
    cat >"$1/cups-files.conf" <<FIN
FileDevice Yes
ServerRoot $1
RequestRoot $1/spool
CacheDir $1/cache
StateDir $1/state
TempDir $1/spool
ErrorLog $1/log/error_log
AccessLog $1/log/access_log
PageLog $1/log/page_log
User lp
Group lp
FIN
    chown -R lp:lp "$1/spool" "$1/cache"
    /usr/sbin/cupsd -f -c "$1/cupsd.conf" -s "$1/cups-files.conf" &
    echo $! >"$1/cupsd.pid"
    export CUPS_SERVER="$1/cups.sock"
    for _ in $(seq 50); do
        [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
        sleep 0.1
    done
    lpadmin -p "$2" -E -v "file:///dev/null" -m raw 2>/dev/null
}

cups_premier_travail() {
    for _ in $(seq 50); do
        travail=$(ls "$1"/spool/d*-001 2>/dev/null | head -n 1) || true
        [ -n "$travail" ] && break
        sleep 0.1
    done
    echo "$travail"
}

cups_arreter() {
    if [ -f "$1/cupsd.pid" ]; then
        kill "$(cat "$1/cupsd.pid")" 2>/dev/null || true
        wait "$(cat "$1/cupsd.pid")" 2>/dev/null || true
    fi
}
