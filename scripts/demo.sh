#!/usr/bin/env bash
# Tries the program without a radio: the virtual radio answers on a pseudo-terminal that a
# temporary settings file pins to COM1. The radio stops when the program exits.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="${KR_T27_BIN:-$root/build/bin}"
work="$(mktemp -d "${TMPDIR:-/tmp}/kr-t27-demo.XXXXXX")"
radio_pid=""

stop_radio() {
    if [ -n "$radio_pid" ]; then
        kill "$radio_pid" 2>/dev/null || true
        wait "$radio_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap stop_radio EXIT
trap "exit 129" HUP
trap "exit 130" INT
trap "exit 143" TERM

"$bin/kr-t27-radio" --sample --link "$work/radio" >"$work/radio.log" 2>&1 &
radio_pid=$!

# The radio makes its link once the pseudo-terminal is open.
for _ in $(seq 50); do
    [ -e "$work/radio" ] && break
    kill -0 "$radio_pid" 2>/dev/null || { cat "$work/radio.log" >&2; exit 1; }
    sleep 0.1
done
[ -e "$work/radio" ] || { echo "demo: the virtual radio did not start" >&2; exit 1; }

cat >"$work/KR-T27_config.ini" <<INI
[config]
Port=1
AutoSeachPort=0
[Ports]
COM1=$work/radio
INI

echo "Virtual radio on $work/radio (COM1). Edit > Read from radio fetches its sample channels."
"$bin/kr-t27" --settings "$work/KR-T27_config.ini"
