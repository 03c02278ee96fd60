#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing, builds, and then
# either runs the main job (run) or the whole test suite (test).
#   scripts/ardoine.sh run [BUILD_DIR]
#   scripts/ardoine.sh test [BUILD_DIR] [extra cmake options...]   (a Release build with the benchmarks)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
action=${1:-run}
build=${2:-$here/build}
shift $(( $# > 2 ? 2 : $# ))

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev
          nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation
          poppler-utils qt6-translations-l10n clang-14 libclang-rt-14-dev libxlsxwriter-dev unzip
          cups-daemon cups-client postgresql libpq-dev qt6-tools-dev qt6-tools-dev-tools dpkg-dev file
          lintian systemd xvfb dbus at-spi2-core python3-pyatspi)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_all [cmake options...] [-- targets...]
build_all() {
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift && targets=("$@")
    cmake -S "$here" -B "$build" -G Ninja -DARDOINE_BENCHMARKS=OFF "${options[@]}" >/dev/null
    cmake --build "$build" -j "$(nproc)" ${targets[@]:+--target "${targets[@]}"}
}

headless() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        export QT_QPA_PLATFORM=offscreen
    fi
}

install_missing
case "$action" in
    run)
        build_all "$@" -- ardoine-db ardoine-demo
        headless
        "$here/scripts/main-job.sh" "$build"
        ;;
    test)
        # Release, benchmarks included: the optimiser's own warnings are errors too, and every
        # program of the tree is built by the suite's build.
        build_all -DCMAKE_BUILD_TYPE=Release -DARDOINE_BENCHMARKS=ON "$@"
        export QT_QPA_PLATFORM=offscreen
        ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
        ;;
    *)
        echo "usage: $0 run|test [BUILD_DIR] [cmake options...]" >&2
        exit 2
        ;;
esac
