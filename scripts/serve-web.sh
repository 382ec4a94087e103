#!/usr/bin/env bash
# Builds the browser edition into build/web and serves it on loopback for a browser on this machine.
#   serve-web.sh [--port N]   (8127 without it)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
port=8127
case "${1:-}" in
    "") ;;
    --port)
        port="${2:?--port needs a number}"
        ;;
    *)
        echo "usage: ./run --web [--port N]" >&2
        exit 2
        ;;
esac
"$KR_ROOT/web/build-core.sh"
"$KR_ROOT/web/build-page.sh"
echo "The browser edition: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$KR_BUILD/web"
