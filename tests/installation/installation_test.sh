#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a distribution would, and checks
# the tree: the two programs, the menu entry, the icon, the metadata and the
# manual pages, each accepted by its checker. Then, with the prefix read-only,
# the installed programs must keep their files in the player's data folder.
set -euo pipefail
build=$1
id=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
p=$tmp/prefixe
cmake --install "$build" --prefix "$p" > /dev/null

echec() { echo "$*"; exit 1; }

attendus=(bin/glyphane bin/glyphane-cli
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man6/glyphane.6 share/man/man6/glyphane-cli.6)
for taille in 16 24 32 48 64 128 256; do attendus+=("share/icons/hicolor/${taille}x$taille/apps/$id.png"); done
for f in "${attendus[@]}"; do [ -f "$p/$f" ] || echec "missing: $f"; done
[ -x "$p/bin/glyphane" ] && [ -x "$p/bin/glyphane-cli" ] || echec "programs not executable"
# Nothing else: no test program nor library slips into the package.
[ "$(cd "$p" && find . -type f | wc -l)" -eq "${#attendus[@]}" ] || echec "unexpected files: $(cd "$p" && find . -type f)"

# Each PNG holds the size its folder promises (width and height, bytes 17 to 24).
for taille in 16 24 32 48 64 128 256; do
  dims=$(od -An -tx1 -j16 -N8 "$p/share/icons/hicolor/${taille}x$taille/apps/$id.png" | tr -d ' \n')
  [ "$dims" = "$(printf '%08x%08x' "$taille" "$taille")" ] || echec "icon ${taille}: header $dims"
done

desktop-file-validate "$p/share/applications/$id.desktop" || echec "desktop file refused"
grep -qx "Icon=$id" "$p/share/applications/$id.desktop" || echec "desktop file: wrong icon"
appstreamcli validate --no-net "$p/share/metainfo/$id.metainfo.xml" > "$tmp/appstream" ||
  { cat "$tmp/appstream"; echec "metadata refused"; }
for page in glyphane glyphane-cli; do
  avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$p/share/man/man6/$page.6" 2>&1 > /dev/null)
  [ -z "$avertissements" ] || echec "man page $page: $avertissements"
done

# Root writes anywhere, so as root the programs run as nobody; the prefix is
# read-only for everyone all the same.
chmod -R a-w "$p"
comme=()
[ "$(id -u)" -ne 0 ] || comme=(setpriv --reuid=65534 --regid=65534 --clear-groups)
mkdir -m 777 "$tmp/cli" "$tmp/fenetre"

sortie=$(env -i PATH=/usr/bin:/bin HOME="$tmp/cli" XDG_DATA_HOME="$tmp/cli/donnees" \
  "${comme[@]}" "$p/bin/glyphane-cli" dico maison kg)
[ "$sortie" = $'maison oui\nkg non' ] || echec "installed glyphane-cli: got [$sortie]"
[ -d "$tmp/cli/donnees/glyphane/Recherches" ] || echec "glyphane-cli: no search files in XDG_DATA_HOME"

# The window program runs until it is closed: once its board picture stands in
# the data folder, start-up chose that folder and the program is stopped. It
# runs as whoever runs the test: root, who could write beside it, must not either.
mkdir -m 700 "$tmp/fenetre/execution"
env -i PATH=/usr/bin:/bin HOME="$tmp/fenetre" XDG_DATA_HOME="$tmp/fenetre/donnees" \
  XDG_RUNTIME_DIR="$tmp/fenetre/execution" QT_QPA_PLATFORM=offscreen \
  "$p/bin/glyphane" > "$tmp/fenetre/sortie" 2>&1 &
programme=$!
for _ in $(seq 600); do
  [ -f "$tmp/fenetre/donnees/glyphane/ImageDeFond.bmp" ] && break
  kill -0 "$programme" 2> /dev/null || { cat "$tmp/fenetre/sortie"; echec "glyphane ended at start-up"; }
  sleep 0.2
done
kill "$programme"
wait "$programme" || true
[ -f "$tmp/fenetre/donnees/glyphane/ImageDeFond.bmp" ] || echec "glyphane: nothing written in XDG_DATA_HOME"
[ "$(ls "$p/bin")" = $'glyphane\nglyphane-cli' ] || echec "files written beside the programs: $(ls "$p/bin")"
echo ok
