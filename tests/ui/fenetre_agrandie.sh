#!/usr/bin/env bash
# The program on a real 1920 x 1080 X server: its window opens enlarged, and a
# tile dragged from the rack to the centre square lands there. The screens seen
# are kept in DOSSIER_SORTIE to be looked at.
#
#   fenetre_agrandie.sh PROGRAMME DOSSIER_SORTIE
#
# Exit status 77 (skipped) without the X server or the tools that drive it.
set -euo pipefail
programme=$1
sortie=$2

if [[ -z ${DANS_XVFB:-} ]]; then
  for outil in xvfb-run xdotool xwininfo import convert; do
    command -v "$outil" > /dev/null || { echo "sans $outil : test sauté"; exit 77; }
  done
  mkdir -p "$sortie"
  DANS_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

dossier=$(mktemp -d)
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$dossier"' EXIT
# The program runs once per user: a copy started elsewhere must not hold this one back.
mkdir -m 700 "$dossier/execution"
export XDG_RUNTIME_DIR=$dossier/execution
if command -v openbox > /dev/null; then openbox 2> /dev/null & sleep 1; fi
"$programme" --dossier "$dossier/jeu" 2> /dev/null & pid=$!
fenetre=$(timeout 60 xdotool search --sync --onlyvisible --name Glyphane | head -1)
sleep 2

valeur() { xwininfo -id "$fenetre" | awk -v c="$1" '$0 ~ c {print $NF}'; }
x0=$(valeur "Absolute upper-left X"); y0=$(valeur "Absolute upper-left Y")
largeur=$(valeur "Width"); hauteur=$(valeur "Height")
echo "fenêtre : ${largeur} x ${hauteur} en ${x0},${y0}"
if (( hauteur < 1080 * 3 / 4 )); then echo "fenêtre trop petite"; exit 1; fi

# A point of the 820 x 630 window, on the screen.
ecranX() { awk -v x="$1" -v o="$x0" -v l="$largeur" 'BEGIN {printf "%d", o + x * l / 820}'; }
ecranY() { awk -v y="$1" -v o="$y0" -v h="$hauteur" 'BEGIN {printf "%d", o + y * h / 630}'; }
cliquer() { xdotool mousemove "$(ecranX "$1")" "$(ecranY "$2")" click 1; sleep 1; }
pixel() { convert "$1" -format "%[pixel:p{$(ecranX "$2"),$(ecranY "$3")}]" info:; }

# A click in the program's dialog now open, at a point of its own.
dialogue() {
  local id
  id=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$fenetre" | tail -1)
  [[ -n $id ]] || { echo "pas de dialogue"; exit 1; }
  xdotool mousemove --window "$id" "$1" "$2" click 1
  sleep 2
}

# A game for one player (its button, then "ok" twice), whose rack is then uncovered.
cliquer 137 532
dialogue 48 60
dialogue 125 100
dialogue 103 222
cliquer 246 559
import -window root "$sortie/avant.png"

# The first slot's tile, taken near its corner, let go on the centre square.
xdotool mousemove "$(ecranX 60)" "$(ecranY 530)" mousedown 1
sleep 0.3
xdotool mousemove "$(ecranX 150)" "$(ecranY 400)"
sleep 0.3
xdotool mousemove "$(ecranX 253)" "$(ecranY 253)"
sleep 0.3
xdotool mouseup 1
sleep 1
import -window root "$sortie/apres.png"

tuile=$(pixel "$sortie/avant.png" 60 530)
avant=$(pixel "$sortie/avant.png" 253 253)
apres=$(pixel "$sortie/apres.png" 253 253)
echo "tuile $tuile, case centrale $avant puis $apres"
[[ $apres == "$tuile" && $apres != "$avant" ]]
