#!/usr/bin/env bash
# Cross-builds the Qt-free core and its unit tests for 64-bit Windows with Debian's mingw-w64 and
# runs them under wine when wine is installed. Does nothing when the cross compiler is missing.
#   scripts/windows-core.sh          configure and build into build/windows-core, then test
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
project="$root/scripts/windows-core"
out="$root/build/windows-core"
compiler=x86_64-w64-mingw32-g++-posix

if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "windows-core: $compiler not installed, cross build skipped"
    exit 0
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
emulator=()
# Debian's wine package puts wine on the PATH; wine64 alone keeps its loader in /usr/lib/wine.
wine="$(command -v wine || command -v wine64 || true)"
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
[ -n "$wine" ] && emulator=(-DCMAKE_CROSSCOMPILING_EMULATOR="$wine")

cmake -S "$project" -B "$out" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$project/mingw-w64-posix.cmake" "${launcher[@]}" "${emulator[@]}" >/dev/null
cmake --build "$out" -j"$(nproc)"

if [ -z "$wine" ]; then
    echo "windows-core: built $(find "$out" -name '*_tests.exe' | wc -l) test programs; wine not installed, not run"
    exit 0
fi
# wine keeps its prefix under the build tree, so a run leaves nothing in the user's home.
export WINEPREFIX="$out/wine" WINEDEBUG=-all
cd "$out"
ctest --output-on-failure -j"$(nproc)"
