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
