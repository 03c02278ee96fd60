#!/usr/bin/env bash
# Delivery checks, each on what a stranger to this tree gets:
#  1. one Release build, made by a parent project that takes the tree in with add_subdirectory;
#  2. its installation into a temporary prefix;
#  3. the example host, built against that prefix, opens the demo database made by the installed
#     tool, draws its form and prints the December list into a PDF that pdftotext reads back;
#  4. the installed Designer plugin loads and a uic form runs, in a program built against it;
#  5. the Debian packages build, each holds its own files and nothing else, lintian finds no
#     error and no warning that the overrides of packaging/lintian/ do not explain, and the
#     guide docs/impression-mensuelle.md shows the very files that the packages ship;
#  6. as root: they install with apt-get, the tools run, the monthly list's units pass
#     systemd-analyze verify and the service runs once for real on a CUPS queue
#     (scripts/essai-liste-mensuelle.sh); purged, they leave nothing of ours behind.
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

etape "Debian packages"
(cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null)
bibliotheque=$(ls "$build"/libcontroleardoine[0-9]*_*.deb)
dev=$(ls "$build"/libcontroleardoine-dev_*.deb)
outils=$(ls "$build"/controle-ardoine_*.deb)
paquets=("$bibliotheque" "$dev" "$outils")
# contenu PACKAGE_FILE: its paths, one a line (a link without its target).
contenu() { dpkg-deb --contents "$1" | awk '{print $6}'; }
# contient PACKAGE_FILE PATTERN...: each shell pattern matches a path of the package.
contient() {
    local paquet=$1 motif chemin trouve
    local chemins
    chemins=$(contenu "$paquet")
    shift
    for motif in "$@"; do
        trouve=0
        while read -r chemin; do
            # shellcheck disable=SC2053
            [[ $chemin == $motif ]] && trouve=1 && break
        done <<<"$chemins"
        [ $trouve -eq 1 ] || echec "$(basename "$paquet") lacks $motif"
    done
}
for paquet in "${paquets[@]}"; do
    nom=$(dpkg-deb --field "$paquet" Package)
    contient "$paquet" "./usr/share/doc/$nom/copyright" "./usr/share/doc/$nom/changelog.gz"
done
contient "$bibliotheque" "./usr/lib/*/libControleArdoine.so.*" "./usr/lib/*/libardoine-base.so.*" \
    "./usr/lib/*/libardoine-droits.so.*"
contient "$dev" ./usr/include/ControleArdoine/Ctr_Ardoine.h \
    ./usr/include/ControleArdoine/dba/TheDatabase.h "./usr/lib/*/libControleArdoine.so" \
    "./usr/lib/*/libardoine-base.so" "./usr/lib/*/libardoine-droits.so" \
    "./usr/lib/*/cmake/ControleArdoine/ControleArdoineConfig.cmake" \
    "./usr/lib/*/pkgconfig/ControleArdoine.pc" \
    "./usr/lib/*/qt6/plugins/designer/libcontrole-ardoine-designer.so"
contient "$outils" ./usr/bin/ardoine-db ./usr/bin/ardoine-demo \
    ./usr/share/man/man1/ardoine-db.1.gz ./usr/share/man/man1/ardoine-demo.1.gz \
    ./usr/share/ControleArdoine/communes.tsv ./usr/lib/systemd/system/ardoine-liste.service \
    ./usr/lib/systemd/system/ardoine-liste.timer \
    ./usr/lib/systemd/system/ardoine-echeances.service \
    ./usr/lib/systemd/system/ardoine-echeances.timer \
    ./usr/lib/systemd/system/ardoine-arrieres.service \
    ./usr/lib/systemd/system/ardoine-arrieres.timer \
    ./usr/share/doc/controle-ardoine/examples/liste.conf \
    ./usr/share/doc/controle-ardoine/examples/droits-planif.jsonl
if contenu "$bibliotheque" | grep -q '\.so$'; then echec "development links outside the -dev package"; fi
if contenu "$outils" | grep -q '\.so'; then echec "libraries in the tools package"; fi
if contenu "$dev" | grep -q "mvdb/Base.h\|Sqlite.h"; then echec "the package ships engine internals"; fi
for paquet in "${paquets[@]}"; do
    dpkg-deb --field "$paquet" Package Version Depends
done

etape "lintian"
statut=0
rapport=$(lintian --fail-on error,warning --tag-display-limit 0 "${paquets[@]}" 2>&1) || statut=$?
grep -v "running with root privileges" <<<"$rapport" || true
[ $statut -eq 0 ] || echec "lintian: an error or a warning without an override"

etape "The guide shows the packaged files"
# bloc_du_guide LABEL: the fenced block that follows the line "`LABEL`:" of the guide.
bloc_du_guide() {
    awk -v entete="\`$1\`:" '
        $0 == entete { vu = 1; next }
        vu && /^```/ { if (dans) exit; dans = 1; next }
        dans { print }
    ' "$here/docs/impression-mensuelle.md"
}
for fichier in /usr/lib/systemd/system/ardoine-liste.service:systemd/ardoine-liste.service \
    /usr/lib/systemd/system/ardoine-liste.timer:systemd/ardoine-liste.timer \
    /usr/lib/systemd/system/ardoine-echeances.service:systemd/ardoine-echeances.service \
    /usr/lib/systemd/system/ardoine-echeances.timer:systemd/ardoine-echeances.timer \
    /usr/lib/systemd/system/ardoine-arrieres.service:systemd/ardoine-arrieres.service \
    /usr/lib/systemd/system/ardoine-arrieres.timer:systemd/ardoine-arrieres.timer \
    /etc/ardoine/liste.conf:exemples/liste.conf \
    /usr/share/doc/controle-ardoine/examples/droits-planif.jsonl:exemples/droits-planif.jsonl; do
    diff -u "$here/packaging/${fichier#*:}" <(bloc_du_guide "${fichier%%:*}") ||
        echec "docs/impression-mensuelle.md does not show ${fichier%%:*} as packaged"
done

if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: the packages are not installed."
    exit 0
fi
etape "Installation of the packages with apt-get"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${paquets[@]}" >/dev/null
noms=()
for paquet in "${paquets[@]}"; do noms+=("$(dpkg-deb --field "$paquet" Package)"); done
fichiers=$(dpkg -L "${noms[@]}")
ardoine-db --version
ardoine-demo --version 2>/dev/null

etape "The units of the monthly list, the list ahead and the backlog"
unites=(/usr/lib/systemd/system/ardoine-liste.service /usr/lib/systemd/system/ardoine-liste.timer)
systemd-analyze verify "${unites[@]}" /usr/lib/systemd/system/ardoine-{echeances,arrieres}.{service,timer} ||
    echec "systemd-analyze verify"
utilisateur=$(sed -n 's/^User=//p' "${unites[0]}")
getent passwd "$utilisateur" >/dev/null || echec "the service's user $utilisateur does not exist"
"$here/scripts/essai-liste-mensuelle.sh" "${unites[0]}"
"$here/scripts/essai-listes-dossier.sh" /usr/lib/systemd/system/ardoine-{echeances,arrieres}.service

etape "Purge"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${noms[@]}" >/dev/null
restes=0
while read -r f; do
    if [ -e "$f" ] && [ ! -d "$f" ]; then echo "left behind: $f" >&2; restes=1; fi
done <<<"$fichiers"
[ -d /usr/include/ControleArdoine ] && { echo "left behind: /usr/include/ControleArdoine" >&2; restes=1; }
ldconfig -p | grep -q "ControleArdoine\|ardoine-" && { echo "left in the linker cache" >&2; restes=1; }
[ $restes -eq 0 ] || echec "the packages left files behind"
echo "Delivery checks passed."
