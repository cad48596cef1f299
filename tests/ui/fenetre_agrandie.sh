#!/usr/bin/env bash
# The program on a real 1920 x 1080 X server: its window opens enlarged, a tile
# dragged from the rack to the centre square lands there, a box opened from
# the keyboard answers the keyboard, and the game is offered again, centred,
# once the program was killed. The screens seen are kept in DOSSIER_SORTIE
# to be looked at.
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
# Starts the program and finds its window. The splash screen, named after the
# program too, carries no version; the search may trip over it as it goes away,
# and is then made again.
demarrer() {
  "$programme" --dossier "$dossier/jeu" 2> /dev/null & pid=$!
  fenetre=
  for _ in $(seq 60); do
    fenetre=$(xdotool search --onlyvisible --name "Glyphane [0-9]" 2> /dev/null | head -1) && [[ -n $fenetre ]] && break
    sleep 1
  done
  [[ -n $fenetre ]] || { echo "pas de fenêtre"; exit 1; }
}
demarrer
sleep 2

valeur() { xwininfo -id "$fenetre" | awk -v c="$1" '$0 ~ c {print $NF}'; }
x0=$(valeur "Absolute upper-left X"); y0=$(valeur "Absolute upper-left Y")
largeur=$(valeur "Width"); hauteur=$(valeur "Height")
echo "fenêtre : ${largeur} x ${hauteur} en ${x0},${y0}"
if (( hauteur < 1080 * 3 / 4 )); then echo "fenêtre trop petite"; exit 1; fi

# A point of the 820 x 630 window, on the screen (or from another origin).
ecranX() { awk -v x="$1" -v o="${2:-$x0}" -v l="$largeur" 'BEGIN {printf "%d", o + x * l / 820}'; }
ecranY() { awk -v y="$1" -v o="${2:-$y0}" -v h="$hauteur" 'BEGIN {printf "%d", o + y * h / 630}'; }
cliquer() { xdotool mousemove "$(ecranX "$1")" "$(ecranY "$2")" click 1; sleep 1; }
pixel() { convert "$1" -format "%[pixel:p{$(ecranX "$2"),$(ecranY "$3")}]" info:; }

# A click in the program's dialog now open, at a point of its own: the dialog
# is enlarged as much as the window, and is the active window once shown.
dialogue() {
  local id=
  for _ in $(seq 20); do
    id=$(xdotool getactivewindow 2> /dev/null) && [[ $id != "$fenetre" ]] && break
    id=
    sleep 0.5
  done
  [[ -n $id ]] || { echo "pas de dialogue"; exit 1; }
  sleep 1
  xdotool mousemove --window "$id" "$(ecranX "$1" 0)" "$(ecranY "$2" 0)" click 1
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

# The keyboard reaches a box shown enlarged too: F7 opens one, Enter closes it.
xdotool key F7
for _ in $(seq 20); do [[ $(xdotool getactivewindow) != "$fenetre" ]] && break; sleep 0.5; done
sleep 1
import -window root "$sortie/boite.png"
xdotool key Return
sleep 1
if xdotool search --onlyvisible --pid "$pid" | grep -qvx "$fenetre"; then echo "boîte restée ouverte"; exit 1; fi

# A game left without its end is offered at the next start, in a question
# centred on the window once the window manager has placed it (asked earlier,
# it stood around the screen's corner).
kill -9 "$pid"; wait "$pid" 2> /dev/null || true
demarrer
question=
for _ in $(seq 20); do
  question=$(xdotool getactivewindow 2> /dev/null) && [[ $question != "$fenetre" ]] && break
  question=
  sleep 0.5
done
[[ -n $question ]] || { echo "pas de question à la reprise"; exit 1; }
sleep 1
import -window root "$sortie/reprise.png"
centre() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width/ {l = $NF} /Height/ {h = $NF} END {printf "%d %d", x + l / 2, y + h / 2}'
}
read -r fx fy <<< "$(centre "$fenetre")"
read -r qx qy <<< "$(centre "$question")"
echo "centre de la fenêtre $fx,$fy ; de la question $qx,$qy"
if (( (fx - qx) ** 2 + (fy - qy) ** 2 > 20 ** 2 )); then echo "question hors du centre"; exit 1; fi

# Where the tiles are compared, the face's plain grey between its edge and its
# letter, whatever the letter: the third column, halfway down.
tuile=$(pixel "$sortie/avant.png" 56.5 538.5)
avant=$(pixel "$sortie/avant.png" 249.5 261.5)
apres=$(pixel "$sortie/apres.png" 249.5 261.5)
echo "tuile $tuile, case centrale $avant puis $apres"
[[ $apres == "$tuile" && $apres != "$avant" ]]
