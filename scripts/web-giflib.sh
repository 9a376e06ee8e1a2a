#!/usr/bin/env bash
# Builds giflib for the browser into build-web/giflib/ (lib/libgif.a and include/gif_lib.h),
# which web/CMakeLists.txt takes as GIF::GIF. Debian ships giflib only for the desktop's CPU, so
# its sources come from apt (apt-get source giflib) and are compiled with emcc. The apt sources
# get a deb-src entry for that when they have none (in /etc/apt/sources.list.d/, beside the
# system's own entries, which stay as they are). Usage: scripts/web-giflib.sh [build folder]
set -euo pipefail
source "$(dirname "$0")/setup.sh"
out="${1:-$JOUK_ROOT/build-web}/giflib"
[ -f "$out/lib/libgif.a" ] && [ -f "$out/include/gif_lib.h" ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

# A deb-src twin of every deb entry of the system's apt sources, when apt knows no giflib source.
jouk_add_deb_src() {
  apt-cache showsrc giflib 2>/dev/null | grep -q '^Package: giflib' && return 0
  echo "Adding deb-src entries for apt-get source"
  local deb822=/etc/apt/sources.list.d/debian.sources
  if [ -f "$deb822" ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' "$deb822" |
      "${sudo[@]}" tee /etc/apt/sources.list.d/joukowsky-deb-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      "${sudo[@]}" tee /etc/apt/sources.list.d/joukowsky-deb-src.list >/dev/null
  fi
  "${sudo[@]}" apt-get update -qq
}

jouk_install_packages dpkg-dev emscripten
jouk_add_deb_src

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq giflib >/dev/null 2>&1) ||
  { echo "apt-get source giflib failed" >&2; exit 1; }
src="$(find "$work" -mindepth 2 -maxdepth 2 -name gif_lib.h -printf '%h\n' | head -n 1)"
[ -n "$src" ] || { echo "no gif_lib.h in the giflib sources" >&2; exit 1; }

# The library's own sources, as its Makefile lists them (SOURCES = …, continued over lines).
sources=$(awk '/^SOURCES *=/ { on = 1; sub(/^SOURCES *= */, "") }
  on { line = $0; more = sub(/\\$/, "", line); printf "%s ", line; if (!more) exit }' \
  "$src/Makefile")
[ -n "$sources" ] || { echo "no SOURCES in giflib's Makefile" >&2; exit 1; }
mkdir -p "$work/obj" "$out/lib" "$out/include"
for file in $sources; do
  NODE_PATH=/usr/share/nodejs emcc -O2 -std=gnu99 -c "$src/$file" -o "$work/obj/${file%.c}.o"
done
emar rcs "$work/libgif.a" "$work"/obj/*.o
cp "$src/gif_lib.h" "$out/include/"
mv "$work/libgif.a" "$out/lib/"
version=$(awk '/define GIFLIB_(MAJOR|MINOR|RELEASE)/ { v = v (v ? "." : "") $3 } END { print v }' \
  "$out/include/gif_lib.h")
echo "giflib $version for wasm in $out ($sources)"
