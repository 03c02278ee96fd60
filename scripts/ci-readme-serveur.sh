#!/usr/bin/env bash
# CI: types the commands of the README's section "Base partagée sur un serveur" as they stand,
# top to bottom, with the tools of a build folder on PATH, against a PostgreSQL cluster of its
# own started on a private port and removed after; fails at the first command that fails.
#   scripts/ci-readme-serveur.sh [BUILD_DIR]      (default: build)
# The commands are those of the fenced blocks that follow a line "<!-- ci-readme-serveur -->"
# in that section. The one change made to them is the server's address: "serveur" becomes
# localhost and its port 5432 the private one (PGPORT gives it to the commands that name no
# port, PGHOST the cluster's socket folder to those that name no host). A password prompt
# (--pwprompt) is answered with the role's password of the section's ~/.pgpass lines, as the
# person would type it. HOME is a folder of the run (so is XDG_RUNTIME_DIR), which also holds
# the demo file that the README's earlier section makes (demo.db).
# As root the cluster belongs to the postgres system user, as on a server. As another user it
# is that user's, and a runuser of the run's own runs `runuser -u postgres -- CMD` as that user,
# connected as the cluster's superuser role, postgres.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
readme=$here/README.md
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "PostgreSQL server binaries not found" >&2; exit 1; }
for outil in "$build/host/tools/dbtool/ardoine-db" "$build/host/demo/ardoine-demo"; do
    [ -x "$outil" ] || { echo "$outil not built" >&2; exit 1; }
done

racine=$(id -u)
as_owner() {
    if [ "$racine" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

grappe=$(mktemp -d /tmp/ardoine-readme-grappe-XXXXXX)
travail=$(mktemp -d /tmp/ardoine-readme-travail-XXXXXX)
# The postgres user runs commands from here, as from a folder of any user: it may pass.
chmod 711 "$travail"
arreter() {
    if [ -f "$grappe/data/postmaster.pid" ]; then
        as_owner "$bin/pg_ctl" -D "$grappe/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$grappe" "$travail"
}
trap arreter EXIT

# The section's marked blocks, in order; a marker must come right before its block.
extraire_blocs() {
    awk '
        /^### / { section = ($0 == "### Base partagée sur un serveur") }
        !section { next }
        dedans && /^```/ { dedans = 0; next }
        dedans { print; next }
        marque && /^```/ { dedans = 1; marque = 0; blocs++; next }
        marque { print "ci-readme-serveur: a marker not followed by its block: " $0 > "/dev/stderr"; exit 1 }
        /^<!-- ci-readme-serveur -->$/ { marque = 1 }
        END { if (!blocs) { print "ci-readme-serveur: no marked block" > "/dev/stderr"; exit 1 } }
    ' "$readme"
}

# The server of the README is the cluster of the run.
vers_la_grappe() {
    sed -e "s/\bserveur:5432\b/localhost:$port/g" -e 's/\bserveur\b/localhost/g'
}

# Each prompt of a new role's password reads that role's answer file: its password twice.
repondre_aux_invites() {
    local ligne role
    while IFS= read -r ligne; do
        if [[ $ligne == *--pwprompt* ]]; then
            role=${ligne##* }
            [ -f "$travail/reponses/$role" ] || {
                echo "ci-readme-serveur: no ~/.pgpass line gives the password of $role" >&2
                exit 1
            }
            ligne+=" <\"$travail/reponses/$role\""
        fi
        printf '%s\n' "$ligne"
    done
}

ecrire_reponses() {
    mkdir -m 700 "$travail/reponses"
    local role mot_de_passe
    while IFS=: read -r _ _ _ role mot_de_passe; do
        printf '%s\n%s\n' "$mot_de_passe" "$mot_de_passe" >"$travail/reponses/$role"
    done < <(grep -E '^serveur:[0-9]+:[^:]+:[^:]+:.+$' <<<"$blocs" || true)
}

creer_grappe() {
    [ "$racine" -eq 0 ] && chown postgres: "$grappe"
    as_owner "$bin/initdb" -D "$grappe/data" -U postgres -A peer -E UTF8 --locale=C.UTF-8 \
        --no-sync >"$grappe/initdb.log"
    # As on a Debian server: the superuser through the socket as its system user, every role
    # over TCP with its password. Another user's cluster lets its own user in as postgres
    # through the socket, a folder of that user alone.
    local locale=peer
    [ "$racine" -eq 0 ] || locale=trust
    printf '%s\n' "local all postgres $locale" \
        "host all all 127.0.0.1/32 scram-sha-256" \
        "host all all ::1/128 scram-sha-256" | as_owner tee "$grappe/data/pg_hba.conf" >/dev/null
}

# A free port among the private ones: the server refuses to start on a port taken.
demarrer_grappe() {
    for _ in 1 2 3 4 5; do
        port=$((20000 + RANDOM % 30000))
        if as_owner "$bin/pg_ctl" -D "$grappe/data" -l "$grappe/server.log" -w -o \
            "-k $grappe -p $port -c listen_addresses=localhost -c fsync=off" start >/dev/null; then
            return
        fi
    done
    cat "$grappe/server.log" >&2
    exit 1
}

# Another user has no runuser to become postgres: the run's own one runs the command as that
# user, connected as the superuser role.
runuser_de_la_course() {
    mkdir "$travail/bin"
    cat >"$travail/bin/runuser" <<'FIN'
#!/bin/sh
[ "$1" = -u ] && [ "$2" = postgres ] && [ "$3" = -- ] || { echo "runuser $*: unexpected" >&2; exit 2; }
shift 3
PGUSER=postgres exec "$@"
FIN
    chmod +x "$travail/bin/runuser"
}

blocs=$(extraire_blocs)
creer_grappe
demarrer_grappe
ecrire_reponses
[ "$racine" -eq 0 ] || runuser_de_la_course
vers_la_grappe <<<"$blocs" | repondre_aux_invites >"$travail/commandes.sh"

mkdir "$travail/maison"
mkdir -m 700 "$travail/execution"
export PATH="$travail/bin:$build/host/tools/dbtool:$build/host/demo:$PATH"
export HOME=$travail/maison XDG_RUNTIME_DIR=$travail/execution PGHOST=$grappe PGPORT=$port
cd "$HOME"
ardoine-db demo demo.db --size demo >/dev/null
# No terminal: a prompt reads its answer file, never a person's keyboard.
setsid -w bash -euxo pipefail "$travail/commandes.sh" </dev/null
echo "ci-readme-serveur: every command of the section ran"
