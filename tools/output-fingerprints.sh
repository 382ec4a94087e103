#!/usr/bin/env bash
# Writes tests/cli/OutputFingerprints.txt anew from the command line as it is built now: run it
# after changing on purpose how the dumps or the CSV export word a record, and commit the file
# with that change.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
kr_build >/dev/null
KR_WRITE_OUTPUT_FINGERPRINTS=1 KR_T27_BIN="$KR_BUILD/bin" "$KR_BUILD/bin/cli_output_tests"
