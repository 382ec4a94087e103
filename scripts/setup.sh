#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, then configures and builds
# into build/, or into build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer.
# Sourced by ./run and ./test.
set -euo pipefail

KR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KR_BUILD="$KR_ROOT/build"
KR_SANITIZE_BUILD="$KR_ROOT/build-sanitize"

kr_packages=(cmake make g++ qt6-base-dev qt6-serialport-dev libgl-dev libgtest-dev fonts-wqy-microhei
    poppler-utils
    # the tests read the support bundle as other tools do
    unzip python3
    qt6-translations-l10n
    # the Debian package and its checks
    dpkg-dev librsvg2-bin desktop-file-utils appstream shared-mime-info
    # the Windows cross build of the core
    g++-mingw-w64-x86-64
    # the core's second compiler, without Qt, and the fuzz targets
    clang
    # the browser edition's core (WebAssembly), tested under node, and its page, tested in Chromium
    emscripten chromium)

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

# Only what the suites labelled fast need, for the edit-build-test loop.
kr_build_fast() {
    cmake -S "$KR_ROOT" -B "$KR_BUILD" -DCMAKE_BUILD_TYPE=Release $(kr_compiler_launcher) >/dev/null
    cmake --build "$KR_BUILD" -j"$(nproc)" --target kr_fast_tests
}

# A Debug build, so that reports name lines; any undefined behaviour stops the program like an
# address error does, so a test cannot pass over one.
kr_sanitize_flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

kr_build_sanitized() {
    cmake -S "$KR_ROOT" -B "$KR_SANITIZE_BUILD" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$kr_sanitize_flags" -DCMAKE_EXE_LINKER_FLAGS="$kr_sanitize_flags" \
        $(kr_compiler_launcher) >/dev/null
    cmake --build "$KR_SANITIZE_BUILD" -j"$(nproc)"
}
