# Sourced by the trial runs of the installed services: what systemd reads of a unit.
# shellcheck shell=bash

# directive UNIT NAME: the values of the unit's lines NAME=..., one a line.
directive() { sed -n "s/^$2=//p" "$1"; }

# commande_du_service UNIT: its ExecStart, the continued lines joined.
commande_du_service() {
    awk '/^ExecStart=/ { ligne = substr($0, 11)
                         while (ligne ~ /\\$/) { sub(/\\$/, "", ligne); getline suite; ligne = ligne suite }
                         print ligne }' "$1"
}

# environnement_du_service UNIT SETTINGS RUNTIME_DIR: fills the array `environnement` with what
# the unit's command gets: the settings file's lines (a value in double quotes without them),
# then the unit's Environment= lines, %t made RUNTIME_DIR.
environnement_du_service() {
    local ligne
    environnement=()
    while IFS= read -r ligne; do
        case $ligne in
            '' | '#'*) continue ;;
            *=\"*\") ligne=${ligne%\"} && ligne=${ligne/=\"/=} ;;
        esac
        environnement+=("$ligne")
    done <"$2"
    while IFS= read -r ligne; do
        environnement+=("${ligne//%t/$3}")
    done < <(directive "$1" Environment)
}
