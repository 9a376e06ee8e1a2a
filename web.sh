#!/usr/bin/env bash
# The browser edition. Installs what is missing (apt-get, npm), builds the single-file page
# build-web/dist/joukowsky-streamlines.html and serves build-web/dist/ on http://127.0.0.1:8000/
# (JOUK_WEB_PORT sets another port) until Ctrl+C. The page also works opened from disk.
#   ./web.sh         build and serve
#   ./web.sh build   only build
set -euo pipefail
case "${1:-serve}" in
  serve | build) ;;
  *)
    echo "usage: ./web.sh [build]" >&2
    exit 2
    ;;
esac
source "$(dirname "$0")/scripts/web-setup.sh"
jouk_web_install
jouk_web_build -DJOUK_WEB_TESTS=OFF
echo "The page: $JOUK_WEB_BUILD/dist/joukowsky-streamlines.html"
[ "${1:-serve}" = build ] && exit 0
port="${JOUK_WEB_PORT:-8000}"
echo "Serving http://127.0.0.1:$port/ (Ctrl+C ends)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$JOUK_WEB_BUILD/dist" "$port"
