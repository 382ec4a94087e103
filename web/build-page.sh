#!/usr/bin/env bash
# Builds the browser edition's page and transfer worker with Vite into build/web, beside the core
# that web/build-core.sh put there, from the committed lockfile. build/web is then the whole site:
# static files any server can serve as they are, kept offline by its service worker.
set -euo pipefail

web="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$web/../build/web"

cd "$web"
npm ci --no-audit --no-fund --loglevel=error
# The bundle's names change with its content; yesterday's must not linger beside today's.
rm -rf "$out/assets"
npm run --silent build -- --logLevel warn
# The same page as one file that opens from disk, beside the site: build/kr-t27-web.html.
npm run --silent build:single -- --logLevel warn
