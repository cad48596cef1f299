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

# A word list or the colour file turned into a folder is skipped: the words
# still get their answer.
for nom in "dico glyphane.txt" "dico retrait.txt" "Recherches/00075color.gld"; do
  rm -f "$dossier/jeu/$nom" && mkdir "$dossier/jeu/$nom"
  sortie=$("$cli" dico --dir "$dossier/jeu" zen 2>&1) || { echo "$nom a folder: status $?"; exit 1; }
  [ "$sortie" = "zen oui" ] || { echo "$nom a folder: got [$sortie]"; exit 1; }
  rmdir "$dossier/jeu/$nom"
done

# Where start-up cannot succeed, or the folder name is empty, a command says so in
# one line on stderr, with status 2, and leaves the current folder alone.
mkdir "$dossier/courant"
refuse() {
  set +e
  (cd "$dossier/courant" && "$cli" "$@" < /dev/null > "$dossier/sortie" 2> "$dossier/erreur")
  statut=$?
  set -e
  [ "$statut" -eq 2 ] || { echo "$*: expected status 2, got $statut"; exit 1; }
  [ "$(wc -l < "$dossier/erreur")" -eq 1 ] || { echo "$*: expected one line on stderr"; exit 1; }
  [ ! -s "$dossier/sortie" ] || { echo "$*: expected nothing on stdout"; exit 1; }
  [ -z "$(ls -A "$dossier/courant")" ] || { echo "$*: wrote into the current folder"; exit 1; }
}
touch "$dossier/fichier"
refuse dico --dir "$dossier/fichier/jeu" maison
rm "$dossier/jeu/Recherches/00075version.gld" && mkdir "$dossier/jeu/Recherches/00075version.gld"
refuse dico --dir "$dossier/jeu" maison
for commande in dico partie autoplay; do refuse "$commande" --dir ''; done
echo ok
