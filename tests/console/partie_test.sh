#!/usr/bin/env bash
# Plays a scripted session of "glyphane-cli partie" in a fresh program folder and
# compares what it printed, followed by the user's word list (CR shown as <CR>),
# with the expected output.
# usage: partie_test.sh CLI SESSION ATTENDU GRAINE
# With GLYPHANE_ENREGISTRER=1 the expected output is written instead, for review.
set -euo pipefail
cli=$1 session=$2 attendu=$3 graine=$4
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT

# The files a session saves and loads go to the scratch folder too.
(cd "$dossier" && "$cli" partie --dir "$dossier/jeu" --graine "$graine" < "$session" > "$dossier/sortie")
{
  echo "--- dico glyphane.txt"
  sed 's/\r$/<CR>/' "$dossier/jeu/dico glyphane.txt"
} >> "$dossier/sortie"

if [ "${GLYPHANE_ENREGISTRER:-}" = 1 ]; then
  cp "$dossier/sortie" "$attendu"
  echo "written: $attendu"
  exit 0
fi
diff -u "$attendu" "$dossier/sortie"
echo ok
