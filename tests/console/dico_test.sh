#!/usr/bin/env bash
# The dictionary command, run as a player's script would: a first start in an
# empty folder, a second one, and folders where start-up cannot succeed.
set -euo pipefail
cli=$1
dossier=$(mktemp -d)
trap 'chmod -R u+w "$dossier"; rm -rf "$dossier"' EXIT

attendu=$'maison oui\nMaison oui\nCOEUR oui\nkg non\nmaisonette non\nx non'
sortie=$("$cli" dico --dir "$dossier/jeu" maison Maison COEUR kg maisonette x)
[ "$sortie" = "$attendu" ] || { echo "first start: got [$sortie]"; exit 1; }
[ "$(ls "$dossier/jeu/Recherches" | wc -l)" -eq 320 ] || { echo "search files missing"; exit 1; }

printf 'kiwiz\r\n' > "$dossier/jeu/dico glyphane.txt"
sortie=$("$cli" dico --dir "$dossier/jeu" kiwiz zen)
[ "$sortie" = $'kiwiz oui\nzen oui' ] || { echo "second start: got [$sortie]"; exit 1; }

touch "$dossier/fichier"
set +e
"$cli" dico --dir "$dossier/fichier/jeu" maison > "$dossier/sortie" 2> "$dossier/erreur"
statut=$?
set -e
[ "$statut" -eq 2 ] || { echo "expected status 2, got $statut"; exit 1; }
[ -s "$dossier/erreur" ] || { echo "expected a message on stderr"; exit 1; }
[ ! -s "$dossier/sortie" ] || { echo "expected nothing on stdout"; exit 1; }
echo ok
