#!/usr/bin/env bash
# Runs one command of the demo host through the delaying relay and prints its round trips,
# bytes each way and wall time. BASE is a libpq key=value string of a server database; the
# command's --db is that database reached through the relay.
#   bench/relais-mesure.sh RELAIS SOCKET DELAI_MS BASE COMMAND [ARGUMENTS...]
# SOCKET is the server's socket file (its folder + "/.s.PGSQL." + its port).
set -euo pipefail

relais=$1 socket=$2 delai=$3 base=$4
shift 4
coproc RELAIS { "$relais" "$socket" "$delai"; }
read -r _ port <&"${RELAIS[0]}"
debut=$(date +%s.%N)
"$@" --db "$base host=127.0.0.1 port=$port" >/dev/null
fin=$(date +%s.%N)
exec {RELAIS[1]}>&-
cat <&"${RELAIS[0]}"
echo "secondes $(echo "$fin - $debut" | bc)"
