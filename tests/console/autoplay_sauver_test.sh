#!/usr/bin/env bash
# Self-play keeps each finished game: every file loads back into replay with the
# final scores autoplay printed and gives, from its records, the review autoplay
# printed; the review adds its lines and changes no other; a file that cannot be
# written fails the run.
# usage: autoplay_sauver_test.sh CLI
set -euo pipefail
cli=$1
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
cd "$dossier"

"$cli" autoplay --dir "$dossier/jeu" --graine 2 --parties 2 --sauver partie --bilan > sortie
"$cli" autoplay --dir "$dossier/jeu" --graine 2 --parties 2 > sans_bilan
diff <(grep -Ev '^(bilan|total|temps) ' sortie) <(grep -v '^temps ' sans_bilan)
for k in 1 2; do
  attendu=$(awk -v k="$k" '/^fin / && ++n == k { $1 = "scores"; print }' sortie)
  [ -n "$attendu" ] || { echo "game $k: no final scores"; exit 1; }
  printf 'charger partie-%s.Glb\n' "$k" | "$cli" partie --dir "$dossier/jeu" > relue
  grep -qx "$attendu" relue || { echo "game $k: '$attendu' expected"; cat relue; exit 1; }
  grep -qx 'fini oui' relue || { echo "game $k: not loaded as finished"; exit 1; }
  awk -v k="$k" '/^partie / { ++n } n == k && /^(bilan|total) /' sortie > bilan_joue
  [ -s bilan_joue ] || { echo "game $k: no review"; exit 1; }
  printf 'charger partie-%s.Glb\nbilan\n' "$k" | "$cli" partie --dir "$dossier/jeu" | grep -E '^(bilan|total) ' > bilan_relu
  diff bilan_joue bilan_relu || { echo "game $k: the loaded game's review differs"; exit 1; }
done

if "$cli" autoplay --dir "$dossier/jeu" --graine 2 --sauver "$dossier/absent/partie" > /dev/null 2> erreurs; then
  echo "a save that failed was not told"; exit 1
fi
grep -q '^erreur: ' erreurs
echo ok
