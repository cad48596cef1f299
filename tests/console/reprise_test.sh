#!/usr/bin/env bash
# The game in progress that "glyphane-cli partie" keeps after every turn: taken
# up by "recuperer" once the input has ended, or once the program was killed
# between two turns; gone once the game is over.
# usage: reprise_test.sh CLI
set -euo pipefail
cli=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
jeu=$dossier/jeu
fichier="$jeu/partie en cours.Glb"
partie() { "$cli" partie --dir "$jeu" --graine 3; }
echec() { echo "FAIL: $*" >&2; exit 1; }
# What "etat" prints: the 15 rows and five lines.
lignesEtat=20

# Two turns, then the input ends without a save.
printf 'nouvelle humain:A humain:B\nvoir\njouer\nvoir\njouer\netat\n' | partie > "$dossier/avant"
echo recuperer | partie > "$dossier/repris"
diff <(tail -n $lignesEtat "$dossier/avant") "$dossier/repris" || echec "recuperer after the end of the input"

# Killed between two turns, with a move laid but not played. Each read waits
# for the program's own output: it flushes before reading its next command.
coproc CLI { partie; }
pid=$CLI_PID  # the shell forgets CLI_PID once it has seen the end
{
  printf 'recuperer\nvoir\njouer\netat\n'
  fini=0
  while [ $fini -lt 2 ] && read -r ligne <&"${CLI[0]}"; do
    echo "$ligne" >> "$dossier/avant-kill"
    [ "${ligne%% *}" = fini ] && fini=$((fini + 1))
  done
  echo voir
  read -r ligne <&"${CLI[0]}"
  [ "${ligne%% *}" = voir ] || echec "voir printed: $ligne"
} >&"${CLI[1]}"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
echo recuperer | partie > "$dossier/repris"
diff <(tail -n $lignesEtat "$dossier/avant-kill") "$dossier/repris" || echec "recuperer after kill -9"

# A game played to its end leaves nothing to take up.
printf 'nouvelle ordi\netat\n' | partie > "$dossier/sortie"
grep -q '^fini oui' "$dossier/sortie" || echec "the computer's game did not end"
[ ! -e "$fichier" ] || echec "a finished game left its auto-save"
echo recuperer | partie > "$dossier/sortie"
grep -q '^erreur: ' "$dossier/sortie" || echec "recuperer without a game printed: $(cat "$dossier/sortie")"
echo ok
