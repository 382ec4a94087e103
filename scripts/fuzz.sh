#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build/fuzz/ and runs each one in turn from
# its committed seeds (fuzz/corpus/NAME/); new inputs go to a scratch corpus that is thrown away.
#
#   scripts/fuzz.sh                      a smoke run of a few seconds per target (./test runs this)
#   scripts/fuzz.sh --seconds N [NAME]   N seconds per target, or for the named targets only
#
# Targets run one after the other: each keeps a core busy. A failing input is kept as
# build/fuzz/artifacts/NAME-crash-...; rerun it with build/fuzz/bin/fuzz_NAME FILE.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

seconds=5
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        -h|--help) sed -n '2,9p' "$0"; exit 0 ;;
        *) targets+=("$1"); shift ;;
    esac
done

clang=""
for candidate in clang++ clang++-14; do
    if command -v "$candidate" >/dev/null 2>&1; then clang="$candidate"; break; fi
done
if [ -z "$clang" ]; then
    echo "fuzz: skipped, no clang++ on this machine (Debian: apt-get install clang)"
    exit 0
fi

fuzz_build="$KR_BUILD/fuzz"
cmake -S "$KR_ROOT/fuzz" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$clang" \
    $(kr_compiler_launcher) >/dev/null
if ! build_log="$(cmake --build "$fuzz_build" -j"$(nproc)" 2>&1)"; then
    echo "$build_log" | tail -30
    exit 1
fi

if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$KR_ROOT"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

mkdir -p "$fuzz_build/artifacts"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

summary=()
failed=0
for name in "${targets[@]}"; do
    mkdir -p "$scratch/$name"
    log="$scratch/$name.log"
    status=ok
    if ! "$fuzz_build/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$fuzz_build/artifacts/$name-" "$scratch/$name" "$KR_ROOT/fuzz/corpus/$name" \
            >"$log" 2>&1; then
        status=FAILED
        failed=1
        tail -40 "$log"
    fi
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    summary+=("$(printf '%-20s %12s execs  %s' "$name" "${execs:-?}" "$status")")
done

echo "fuzz: ${seconds} s per target"
printf '  %s\n' "${summary[@]}"
exit $failed
