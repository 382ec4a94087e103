#!/usr/bin/env bash
# Checks the includes of src/ against the layers of src/layers.txt: a file includes "folder/File.h"
# only from its own folder or from a folder its folder's line names. Fails on any other include, on
# a source folder the table lacks, on a table line that builds on a folder not listed above it
# (lowest first, so no two folders can include each other), and on a pending exception no file
# needs any more. ./test and ./test --fast run it before they build.
#
#   scripts/check-layers.sh [SRC]        checks SRC against SRC/layers.txt (SRC: this src/)
#   scripts/check-layers.sh --self-test  shows the check refusing what it must, on made-up folders
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Source files as "F path", their quoted includes as "I path:line:text", paths relative to SRC.
source_lines() {
    (
        cd "$1"
        find . -type f \( -name '*.cpp' -o -name '*.h' \) | sed 's|^\./||' | sort | while read -r file; do
            echo "F $file"
            grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed "s|^|I $file:|" || true
        done
    )
}

check() {
    local src="$1"
    local table="$src/layers.txt"
    if [ ! -f "$table" ]; then
        echo "check-layers: $table is missing" >&2
        return 2
    fi
    source_lines "$src" | awk -v table="$table" -v shown="${table#"$root"/}" '
        function folder_of(path) { return path ~ /\// ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : "" }
        function fail(text) { print "check-layers: " text > "/dev/stderr"; failed = 1 }
        FILENAME == table {
            sub(/#.*/, "")
            if (NF == 0)
                next
            if ($1 == "pending") {
                pending[$2 " " $3] = FNR
                next
            }
            name = $1
            sub(/:$/, "", name)
            for (i = 2; i <= NF; ++i) {
                if (!($i in known))
                    fail(shown ":" FNR ": " name " builds on " $i ", which no line above names; lower layers come first")
                allowed[name, $i] = 1
            }
            known[name] = 1
            next
        }
        $1 == "F" {
            folder = folder_of($2)
            if (!(folder in known) && !(folder in reported)) {
                fail("src/" folder "/ is not in " shown)
                reported[folder] = 1
            }
            next
        }
        $1 == "I" {
            line = substr($0, 3)
            split(line, part, ":")
            file = part[1]
            target = line
            sub(/^[^"]*"/, "", target)
            sub(/".*/, "", target)
            to = folder_of(target)
            from = folder_of(file)
            if (to == "" || to == from || allowed[from, to])
                next
            if ((file " " target) in pending) {
                used[file " " target] = 1
                next
            }
            if (!(to in known))
                fail("src/" file ":" part[2] ": includes " target " from " to "/, which is not in " shown)
            else
                fail("src/" file ":" part[2] ": " from "/ may not include " target " (" shown ")")
        }
        END {
            for (exception in pending)
                if (!(exception in used))
                    fail(shown ":" pending[exception] ": pending " exception " is not needed any more; remove the line")
            exit failed
        }
    ' "$table" -
}

# Each case builds a small tree from "path|content" entries (content lines separated by ";") and
# expects the check to pass or to fail with a given message.
self_test() {
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    local failures=0 case=0
    expect() {
        local outcome="$1" message="$2"
        shift 2
        case=$((case + 1))
        local dir="$scratch/$case"
        for entry in "$@"; do
            mkdir -p "$(dirname "$dir/${entry%%|*}")"
            echo "${entry#*|}" | tr ';' '\n' >"$dir/${entry%%|*}"
        done
        local err status=0
        err="$(check "$dir" 2>&1)" || status=$?
        if { [ "$outcome" = pass ] && [ "$status" -ne 0 ]; } ||
            { [ "$outcome" = fail ] && { [ "$status" -eq 0 ] || [[ "$err" != *"$message"* ]]; }; }; then
            echo "check-layers self-test $case: expected $outcome${message:+ with \"$message\"}, got status $status: $err"
            failures=$((failures + 1))
        fi
    }
    local table='layers.txt|low:;high: low'
    expect pass "" "$table" 'low/A.h|#pragma once' 'high/B.cpp|#include "high/B.h";#include "low/A.h";#include <vector>' \
        'high/B.h|#pragma once'
    expect fail 'src/low/Up.h:2: low/ may not include high/B.h' "$table" 'high/B.h|#pragma once' \
        'low/Up.h|#pragma once;#include "high/B.h"'
    expect fail 'includes elsewhere/C.h from elsewhere/' "$table" 'high/B.cpp|#include "elsewhere/C.h"'
    expect fail 'src/stray/ is not in' "$table" 'stray/D.cpp|int d;'
    expect fail 'low builds on high, which no line above names' 'layers.txt|low: high;high: low' 'low/A.h|'
    expect pass "" 'layers.txt|low:;high: low;pending low/Up.h high/B.h' 'low/Up.h|#include "high/B.h"' 'high/B.h|'
    expect fail 'pending low/Up.h high/B.h is not needed any more' 'layers.txt|low:;high: low;pending low/Up.h high/B.h' \
        'low/Up.h|' 'high/B.h|'
    if [ "$failures" -ne 0 ]; then
        return 1
    fi
    echo "check-layers self-test: $case cases passed"
}

case "${1:-}" in
    --self-test) self_test ;;
    "") check "$root/src" ;;
    *) check "$1" ;;
esac
