#!/usr/bin/env bash
# Builds the browser edition's core with emscripten into build/web: core.js (an ES module) and
# core.wasm, with the scripts beside them that drive a transfer and stand in for a radio, and the
# page's text catalogs the module then writes from the program's tables (texts-*.json).
# The GBK and Big5 tables are taken from the native build when it has made them.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$root/build/web-core"
out="$root/build/web"
tables="$root/build/src/text/CodecTables.cpp"

# emcc's optimizer runs on node and looks for Debian's JavaScript modules there.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

options=(-DKR_WEB_OUTPUT_DIR="$out")
[ -f "$tables" ] && options+=(-DKR_CODEC_TABLES="$tables")
command -v ccache >/dev/null 2>&1 && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

emcmake cmake -S "$root/web/core" -B "$work" "${options[@]}" >/dev/null
cmake --build "$work" -j"$(nproc)"
node "$root/tools/web-texts.mjs" "$out"
