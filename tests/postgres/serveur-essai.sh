#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the tests, listening on a Unix socket only.
#   serveur-essai.sh start DIR   creates and starts it in DIR (removed first)
#   serveur-essai.sh stop DIR    stops it and removes DIR
# The benchmarks keep theirs, with the databases copied into it, from one run to the next, and
# run it durable, as an office's server is:
#   serveur-essai.sh resume DIR  starts the cluster of DIR, creating it when there is none
#   serveur-essai.sh halt DIR    stops it and keeps DIR
# initdb refuses to run as root: under root the cluster belongs to the postgres system user.
set -euo pipefail

action=$1
dir=$2
port=5439
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL server binaries not found" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

creer() {
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
    as_owner "$bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
        --no-sync >"$dir/initdb.log"
    # Every role is trusted but the members of mot_de_passe_exige, which the tests of
    # authentication make: those give a password, checked.
    local hba="$dir/data/pg_hba.conf"
    { echo "local all +mot_de_passe_exige scram-sha-256"; cat "$hba"; } >"$hba.nouveau"
    mv "$hba.nouveau" "$hba"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$hba"
}

creer_roles() {
    as_owner "$bin/psql" -qX -h "$dir" -p $port -U postgres -d postgres \
        -c "CREATE ROLE mot_de_passe_exige NOLOGIN" >/dev/null
}

# demarrer [OPTIONS]: server options beyond the socket's.
demarrer() {
    as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
        "-k $dir -p $port -c listen_addresses= -c max_connections=200 $*" start >/dev/null
}

# Durability is no concern for a test cluster: no fsync keeps database creation fast.
sans_durabilite="-c fsync=off -c synchronous_commit=off -c full_page_writes=off"

parametres() {
    echo "host=$dir port=$port user=postgres dbname=postgres"
}

case "$action" in
    start)
        if [ -f "$dir/data/postmaster.pid" ]; then
            as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
        fi
        rm -rf "$dir"
        creer
        demarrer "$sans_durabilite"
        creer_roles
        parametres
        ;;
    resume)
        [ -f "$dir/data/PG_VERSION" ] || { rm -rf "$dir"; creer; }
        [ -f "$dir/data/postmaster.pid" ] || demarrer
        parametres
        ;;
    halt)
        if [ -f "$dir/data/postmaster.pid" ]; then
            as_owner "$bin/pg_ctl" -D "$dir/data" -m fast stop >/dev/null
        fi
        ;;
    stop)
        if [ -f "$dir/data/postmaster.pid" ]; then
            as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null
        fi
        rm -rf "$dir"
        ;;
    *)
        echo "usage: $0 start|stop|resume|halt DIR" >&2
        exit 2
        ;;
esac
