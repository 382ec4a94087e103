#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, then configures and builds
# into build/. Sourced by ./run and ./test.
set -euo pipefail

KR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KR_BUILD="$KR_ROOT/build"

kr_packages=(cmake make g++ qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev fonts-wqy-microhei poppler-utils)

kr_install_missing() {
    local missing=()
    for p in "${kr_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# ccache, when the machine has it, keeps rebuilds of unchanged sources cheap; it is optional.
kr_compiler_launcher() {
    command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    return 0
}

kr_build() {
    cmake -S "$KR_ROOT" -B "$KR_BUILD" -DCMAKE_BUILD_TYPE=Release $(kr_compiler_launcher) >/dev/null
    cmake --build "$KR_BUILD" -j"$(nproc)"
}
