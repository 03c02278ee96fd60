#!/usr/bin/env bash
# The main job: make the demo database if it is not there yet, then run the selection of the
# demo month over it.
set -euo pipefail
build=$1
db="$build/demo.db"
tool="$build/host/tools/dbtool/ardoine-db"

[ -f "$db" ] || "$tool" demo "$db" --size demo
first=$("$tool" select "$db" 'SSELECT ACCORD AVEC DateFinAccord >= "21520" AND AVEC DateFinAccord <= "21550" PAR NomPrenomAide' --columns "0 6 1 NomPrenomAide")
printf '%s\n' "$first"
