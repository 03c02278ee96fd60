#!/bin/sh
# Writes the gzip'd manual page of one of the tools from its own --help, so that the page
# never tells another story than the program: the general help, then for a program with
# commands ("Commandes :" in its help) the help of each command. A program of the build
# tree shows the build's own paths as its defaults: each pair BUILD_PATH INSTALLED_PATH
# puts the installed program's default in their place.
#   cmake/page-manuel.sh PROGRAM NAME SUMMARY OUTPUT.1.gz [BUILD_PATH INSTALLED_PATH]...
set -eu
programme=$1
nom=$2
resume=$3
sortie=$4
shift 4

# roff SECTION_LEVEL: the help text of stdin as roff. Its usage line is the synopsis of the
# page (SS) or the first paragraph of a command (P); a line "Title :" is a heading; an indented "term  text" line opens a tagged paragraph that
# the more indented lines below go on; every other line is a paragraph of its own.
roff() {
    awk -v nom="$nom" -v niveau="$1" '
        function echapper(texte) {
            gsub(/\\/, "\\e", texte)
            gsub(/-/, "\\-", texte)
            if (texte ~ /^[.\047]/) texte = "\\&" texte
            return texte
        }
        /^Utilisation : / {
            sub(/^Utilisation : [^ ]*/, "")
            if (niveau == "SS") print ".SH SYNOPSIS"
            else print ".PP"
            print "\\fB" echapper(nom) "\\fR" echapper($0)
            if (niveau == "SS") print ".SH DESCRIPTION"
            next
        }
        /^$/ { next }
        /^[^ ].* :$/ {
            titre = substr($0, 1, length($0) - 2)
            if (niveau == "SS") print ".SS \"" echapper(titre) "\""
            else print ".PP\n\\fI" echapper(titre) "\\fR"
            next
        }
        /^   / { sub(/^ +/, ""); print echapper($0); next }
        /^  / {
            ligne = substr($0, 3)
            fin = index(ligne, "  ")
            terme = fin ? substr(ligne, 1, fin - 1) : ligne
            texte = fin ? substr(ligne, fin) : ""
            sub(/^ +/, "", texte)
            print ".TP"
            print "\\fB" echapper(terme) "\\fR"
            if (texte != "") print echapper(texte)
            next
        }
        { print ".PP"; print echapper($0) }
    '
}

# The commands that a help lists under "Commandes :", one a line.
commandes() {
    awk '/^Commandes :$/ { dans = 1; next } /^$/ { dans = 0 } dans && /^  [a-z]/ { print $1 }'
}

page() {
    version=$("$programme" --version | awk 'NR == 1 { print $2 }')
    aide=$("$programme" --help)
    majuscules=$(printf '%s' "$nom" | tr '[:lower:]' '[:upper:]')
    echo "'\\\" -*- coding: UTF-8 -*-"
    echo ".TH $majuscules 1 \"$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" +%Y-%m-%d)\" \"ControleArdoine $version\" \"Commandes de l'utilisateur\""
    echo ".SH NOM"
    printf '%s \\- %s\n' "$(printf '%s' "$nom" | sed 's/-/\\-/g')" "$resume"
    printf '%s\n' "$aide" | roff SS
    liste=$(printf '%s\n' "$aide" | commandes)
    [ -n "$liste" ] || return 0
    echo ".SH COMMANDES"
    for commande in $liste; do
        echo ".SS \"$commande\""
        "$programme" "$commande" --help | roff P
    done
}

# remplacer BUILD_PATH INSTALLED_PATH: stdin with every occurrence of the one put as the other.
remplacer() {
    awk -v de="$1" -v vers="$2" '{
        ligne = ""
        while ((i = index($0, de)) > 0) {
            ligne = ligne substr($0, 1, i - 1) vers
            $0 = substr($0, i + length(de))
        }
        print ligne $0
    }'
}

# The page through one substitution for each pair of paths left in the arguments.
substitutions() {
    if [ $# -lt 2 ]; then
        cat
        return
    fi
    de=$1
    vers=$2
    shift 2
    remplacer "$de" "$vers" | substitutions "$@"
}

page | substitutions "$@" | gzip -9n >"$sortie"
