#!/usr/bin/env bash
# Delivery checks, each on what a stranger to this tree gets:
#  1. one Release build, made by a parent project that takes the tree in with add_subdirectory;
#  2. its installation into a temporary prefix;
#  3. the example host, built against that prefix, opens the demo database made by the installed
#     tool, draws its form and prints the December list into a PDF that pdftotext reads back;
#  4. the installed Designer plugin loads and a uic form runs, in a program built against it;
#  5. the Debian package builds and holds the expected files; as root, it installs with apt-get,
#     its tool runs, and it is removed leaving nothing of ours behind.
#   scripts/ci-livraison.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# Absolute: apt-get takes a package file only by a path it can tell from a package name.
build=$(realpath -m "${1:-$here/build-livraison}")
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
export QT_QPA_PLATFORM=offscreen
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

etape() { echo "== $*"; }
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

etape "Release build through a parent project"
cmake -S "$here/examples/sous-projet" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DARDOINE_SOURCE="$here" -DARDOINE_PACKAGE=ON \
    "${lanceur[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

etape "Installation into a temporary prefix"
prefixe=$travail/prefixe
cmake --install "$build" --prefix "$prefixe" >/dev/null
base=$travail/demo.db
"$prefixe/bin/ardoine-db" demo "$base" >/dev/null
"$prefixe/bin/ardoine-db" --version

etape "Example host built against the installed package"
cmake -S "$here/examples/hote-minimal" -B "$travail/hote" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefixe" "${lanceur[@]}" >/dev/null
cmake --build "$travail/hote"
"$travail/hote/hote-minimal" "$base" --screenshot "$travail/hote.png"
file "$travail/hote.png" | grep -q "PNG image data" || echec "no screenshot of the form"
"$travail/hote/hote-minimal" "$base" --pdf "$travail/liste.pdf" --entite 041 --mois 2026-12
texte=$(pdftotext -layout "$travail/liste.pdf" -)
grep -q "LISTE DES ACCORDS NON RENOUVELES" <<<"$texte" || echec "the printed list has no title"
grep -q "SUR DÉCEMBRE 2026" <<<"$texte" || echec "the printed list is not December's"

etape "Designer plugin and uic form from the install tree"
plugin=$(find "$prefixe" -path "*/plugins/designer/*.so")
[ -n "$plugin" ] || echec "no Designer plugin installed"
cmake -S "$here/tests/installation" -B "$travail/verification" -G Ninja \
    -DCMAKE_PREFIX_PATH="$prefixe" -DARDOINE_PLUGIN_DESIGNER="$plugin" \
    -DARDOINE_DEMO_DB="$base" "${lanceur[@]}" >/dev/null
cmake --build "$travail/verification"
"$travail/verification/verifier-installation"

etape "Debian package"
(cd "$build" && cpack -G DEB >/dev/null)
paquet=$(ls "$build"/controle-ardoine_*.deb)
contenu=$(dpkg-deb --contents "$paquet" | awk '{print $NF}')
# contient PATTERN: a path of the package matches that shell pattern.
contient() {
    local chemin
    while read -r chemin; do
        # shellcheck disable=SC2053
        [[ $chemin == $1 ]] && return 0
    done <<<"$contenu"
    return 1
}
for attendu in ./usr/bin/ardoine-db ./usr/bin/ardoine-demo \
    "./usr/lib/*/libControleArdoine.so.*" "./usr/lib/*/libardoine-base.so.*" \
    "./usr/lib/*/libardoine-droits.so.*" ./usr/include/ControleArdoine/Ctr_Ardoine.h \
    ./usr/include/ControleArdoine/dba/TheDatabase.h \
    "./usr/lib/*/cmake/ControleArdoine/ControleArdoineConfig.cmake" \
    "./usr/lib/*/pkgconfig/ControleArdoine.pc" \
    "./usr/lib/*/qt6/plugins/designer/libcontrole-ardoine-designer.so" \
    ./usr/share/ControleArdoine/communes.tsv; do
    contient "$attendu" || echec "the package lacks $attendu"
done
if grep -q "mvdb/Base.h\|Sqlite.h" <<<"$contenu"; then echec "the package ships engine internals"; fi
dpkg-deb --field "$paquet" Package Version Depends

if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: the package is not installed."
    exit 0
fi
etape "Installation of the package with apt-get"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$paquet" >/dev/null
fichiers=$(dpkg -L controle-ardoine)
ardoine-db --version
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq controle-ardoine >/dev/null
restes=0
while read -r f; do
    if [ -e "$f" ] && [ ! -d "$f" ]; then echo "left behind: $f" >&2; restes=1; fi
done <<<"$fichiers"
[ -d /usr/include/ControleArdoine ] && { echo "left behind: /usr/include/ControleArdoine" >&2; restes=1; }
ldconfig -p | grep -q "ControleArdoine\|ardoine-" && { echo "left in the linker cache" >&2; restes=1; }
[ $restes -eq 0 ] || echec "the package left files behind"
echo "Delivery checks passed."
