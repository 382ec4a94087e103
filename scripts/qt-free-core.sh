#!/usr/bin/env bash
# Builds the core once more, into build/core, with CMake never looking for Qt (KR_CORE_ONLY): a Qt
# include in a core library or its tests finds no header, and a Qt library cannot be linked. Built
# with clang when the machine has it, so that the core keeps compiling with a second compiler, and
# its tests run there too. ./test runs this.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

out="$KR_BUILD/core"
compiler=()
for candidate in clang++ clang++-14; do
    if command -v "$candidate" >/dev/null 2>&1; then
        compiler=(-DCMAKE_CXX_COMPILER="$candidate")
        break
    fi
done

cmake -S "$KR_ROOT" -B "$out" -DKR_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=Release "${compiler[@]}" \
    $(kr_compiler_launcher) >/dev/null
cmake --build "$out" -j"$(nproc)"
cd "$out"
ctest --output-on-failure -j"$(nproc)"
