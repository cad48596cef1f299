#!/usr/bin/env bash
# Self-play: a seed replays the same games line for line, and the final scores
# of a fixed set of seeded games fold into one signature number, so that any
# change in the computer's play shows at once.
# usage: autoplay_test.sh CLI SIGNATURE_ATTENDUE
# With GLYPHANE_ENREGISTRER=1 the signature is written instead, for review.
set -euo pipefail
cli=$1 attendue=$2
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT

if "$cli" autoplay --dir "$dossier/jeu" --sieges 5 2> /dev/null; then
  echo "five seats accepted"; exit 1
fi

jouer() { "$cli" autoplay --dir "$dossier/jeu" --graine 1 --sieges 2 --niveau 5 --parties "$1"; }
jouer 2 > "$dossier/premier"
# The first of two games is the game a run of one plays.
jouer 1 > "$dossier/second"
diff <(sed '/^fin /q' "$dossier/premier") <(grep -v '^temps ' "$dossier/second")
sans_temps() { grep -v '^temps ' "$1"; }

# The computer's word files go with the program that wrote them, from the
# program folder and from the private folder of process PID under the system's
# temporary folder.
aucun_fichier_dans() {
  [ -z "$(find "$1/Recherches/temp" -type f 2> /dev/null)" ] || { echo "word files left in $1" >&2; exit 1; }
}
aucun_dossier_prive() {
  ! compgen -G "${TMPDIR:-/tmp}/glyphane-mots-$1-*" > /dev/null || { echo "private folder of $1 left" >&2; exit 1; }
}
aucun_fichier_dans "$dossier/jeu"

# Two programs at once on one folder play as each does alone.
jouer 1 > "$dossier/ensemble1" & autre=$!
jouer 1 > "$dossier/ensemble2"
wait "$autre"
diff <(sans_temps "$dossier/second") <(sans_temps "$dossier/ensemble1")
diff <(sans_temps "$dossier/second") <(sans_temps "$dossier/ensemble2")

# A program folder whose word-file folder cannot be made plays the same games.
cp -r "$dossier/jeu" "$dossier/bloque"
rm -rf "$dossier/bloque/Recherches/temp"
echo "pas un dossier" > "$dossier/bloque/Recherches/temp"
"$cli" autoplay --dir "$dossier/bloque" --graine 1 --sieges 2 --niveau 5 --parties 1 > "$dossier/bloque.txt" & bloque=$!
wait "$bloque"
aucun_dossier_prive "$bloque"
diff <(sans_temps "$dossier/second") <(sans_temps "$dossier/bloque.txt")

# So does a session whose search folder is deleted once the dictionary is up,
# and neither leaves a word file behind.
partie() {
  coproc CLI { "$cli" partie --dir "$1" --graine 3; }
  local pid=$CLI_PID
  echo "niveau 5" >&"${CLI[1]}"
  read -r reponse <&"${CLI[0]}"
  [ "$2" = garder ] || rm -rf "$1/Recherches"
  printf 'nouvelle ordi ordi\nordi\n' >&"${CLI[1]}"
  exec {CLI[1]}>&-
  cat <&"${CLI[0]}"
  wait "$pid"
  aucun_fichier_dans "$1"
  aucun_dossier_prive "$pid"
}
cp -r "$dossier/jeu" "$dossier/efface"
partie "$dossier/jeu" garder > "$dossier/partie_gardee"
partie "$dossier/efface" effacer > "$dossier/partie_effacee"
grep -q '^coup ' "$dossier/partie_gardee" || { echo "no move played"; exit 1; }
diff "$dossier/partie_gardee" "$dossier/partie_effacee"

tail -n 1 "$dossier/premier" | grep -Eq '^temps [0-9]+\.[0-9] [0-9]+\.[0-9] [0-9]+\.[0-9] [0-9]+\.[0-9] [0-9]+$' \
  || { echo "bad last line: $(tail -n 1 "$dossier/premier")"; exit 1; }
[ "$(grep -c '^partie ' "$dossier/premier")" -eq 2 ] || { echo "two games expected"; exit 1; }

signature=$(awk '/^fin / { for (i = 2; i <= NF; ++i) s = (s * 31 + $i + 1000) % 1000000007 }
                 END { print s }' "$dossier/premier")
if [ "${GLYPHANE_ENREGISTRER:-}" = 1 ]; then
  echo "$signature" > "$attendue"
  echo "written: $attendue ($signature)"
  exit 0
fi
[ "$signature" = "$(cat "$attendue")" ] || { echo "signature $signature, recorded $(cat "$attendue")"; exit 1; }
echo ok
