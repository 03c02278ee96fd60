#!/usr/bin/env bash
# Installation checks for builds other than the delivery's, each on what the installed files do
# by themselves:
#  1. a shared build installed into a prefix given only at install: the Designer plugin loads,
#     as Qt Designer loads it, in a program that links Qt only, and creates its widget; the
#     tools run; nothing of the build folder is left in the installed files; the same once the
#     prefix is moved;
#  2. a static build installed into a prefix: the example host is built against its CMake
#     package, and a one-file host against its pkg-config file;
#  3. a build without the server store: no program or library links libpq, and its tests pass.
#   scripts/ci-prefixe.sh [BUILD_ROOT]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
racine=$(realpath -m "${1:-$here/build-prefixe}")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
export QT_QPA_PLATFORM=offscreen
unset LD_LIBRARY_PATH
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

etape() { echo "== $*"; }
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

# construire DIR [cmake options...]: a Release build of this tree in DIR.
construire() {
    local dossier=$1
    shift
    cmake -S "$here" -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=Release -DARDOINE_BENCHMARKS=OFF \
        -DARDOINE_PACKAGE=OFF "${lanceur[@]}" "$@" >/dev/null
    cmake --build "$dossier" -j "$(nproc)"
}

# elfs DIR: the ELF files under DIR.
elfs() {
    find "$1" -type f \( -name "*.so*" -o -perm -u+x \) -exec sh -c \
        'head -c 4 "$1" | grep -q "ELF" && echo "$1"' _ {} \;
}

etape "Shared build, installed into a prefix given at install"
partage=$racine/partage
construire "$partage" -DARDOINE_BUILD_TESTS=OFF
prefixe=$travail/opt/ardoine
cmake --install "$partage" --prefix "$prefixe" >/dev/null
while read -r f; do
    if readelf -d "$f" | grep -E "R(UN)?PATH" | grep -qF "$partage"; then
        echec "$f keeps a run path into the build folder"
    fi
    if grep -qaF "$partage" "$f"; then echec "$f holds a path of the build folder"; fi
done < <(elfs "$prefixe")

etape "Designer plugin loaded by a program that links Qt only"
cmake -S "$here/tests/installation/greffon" -B "$travail/greffon" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release "${lanceur[@]}" >/dev/null
cmake --build "$travail/greffon" >/dev/null
if ldd "$travail/greffon/charger-greffon" | grep -q "ardoine\|ControleArdoine"; then
    echec "the plugin loader links the control's libraries"
fi
# verifier_prefixe DIR: the plugin and the tools of the prefix DIR work.
verifier_prefixe() {
    local plugin
    plugin=$(find "$1" -path "*/plugins/designer/*.so")
    [ -n "$plugin" ] || echec "no Designer plugin installed in $1"
    [ "$("$travail/greffon/charger-greffon" "$plugin")" = Ctr_Ardoine ] ||
        echec "the installed plugin does not create Ctr_Ardoine"
    # Each library of ours comes from this prefix, not from a package installed on the machine.
    local chargee
    while read -r chargee; do
        [[ $chargee == "$1"/* ]] || echec "the plugin loaded $chargee, not the prefix's"
    done < <(LD_DEBUG=files "$travail/greffon/charger-greffon" "$plugin" 2>&1 >/dev/null |
        sed -n 's/.*calling init: //p' | grep "ardoine\|ControleArdoine")
    "$1/bin/ardoine-db" --version
    "$1/bin/ardoine-demo" --version >/dev/null
    "$1/bin/ardoine-db" demo "$travail/demo.db" --size demo >/dev/null
    "$1/bin/ardoine-demo" --db "$travail/demo.db" --screenshot "$travail/demo.png"
    rm -f "$travail/demo.db"*
}
verifier_prefixe "$prefixe"
mv "$travail/opt" "$travail/ailleurs"
verifier_prefixe "$travail/ailleurs/ardoine"

etape "Static build, consumed through CMake and pkg-config"
statique=$racine/statique
construire "$statique" -DBUILD_SHARED_LIBS=OFF -DARDOINE_BUILD_TESTS=OFF
prefixe=$travail/statique
cmake --install "$statique" --prefix "$prefixe" >/dev/null
base=$travail/demo.db
"$prefixe/bin/ardoine-db" demo "$base" --size demo >/dev/null
cmake -S "$here/examples/hote-minimal" -B "$travail/hote" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefixe" "${lanceur[@]}" >/dev/null
cmake --build "$travail/hote" >/dev/null
"$travail/hote/hote-minimal" "$base" --screenshot "$travail/hote.png"
file "$travail/hote.png" | grep -q "PNG image data" || echec "no screenshot of the form"
pc=$(find "$prefixe" -name ControleArdoine.pc)
drapeaux=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --static --cflags --libs ControleArdoine)
# shellcheck disable=SC2086
c++ -std=c++20 -fPIC -o "$travail/hote-pkgconfig" \
    "$here/tests/installation/pkgconfig/HoteMinimalPkgConfig.cpp" $drapeaux
"$travail/hote-pkgconfig" "$base"

etape "Build without the server store"
sans_serveur=$racine/sans-serveur
construire "$sans_serveur" -DARDOINE_SERVEUR=OFF -DARDOINE_BUILD_TESTS=ON
grep -q "^PostgreSQL_" "$sans_serveur/CMakeCache.txt" && echec "the build looked for libpq"
while read -r f; do
    if readelf -d "$f" | grep -q "NEEDED.*libpq"; then echec "$f links libpq"; fi
done < <(elfs "$sans_serveur")
ctest --test-dir "$sans_serveur" --output-on-failure -j "$(nproc)" --timeout 300
echo "Installation checks passed."
