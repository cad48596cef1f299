"""Folding of dictionary forms to the letters the tiles carry, and the shape
of a playable word: 2 to 15 letters a-z once folded."""

import re
import unicodedata

LONGUEUR_MIN = 2
LONGUEUR_MAX = 15

# Letters the tiles do not carry are folded to their base letter.  The
# ligatures are spelt out because Unicode does not decompose them.
PLIAGE_EXPLICITE = {"œ": "oe", "æ": "ae", "ß": "ss"}

MOT_VALIDE = re.compile(r"[a-z]{%d,%d}" % (LONGUEUR_MIN, LONGUEUR_MAX))
MOT_VALIDE_OU_VIDE = re.compile(r"[a-z]*")


def plier(forme):
    """Folds accents and ligatures away: "œuvrâmes" -> "oeuvrames".

    Characters with no base letter are left as they are, so that the caller's
    [a-z] test rejects the form."""
    morceaux = []
    for c in forme:
        if c in PLIAGE_EXPLICITE:
            morceaux.append(PLIAGE_EXPLICITE[c])
            continue
        decompose = unicodedata.normalize("NFD", c)
        base = "".join(d for d in decompose if not unicodedata.combining(d))
        morceaux.append(base if base else c)
    return "".join(morceaux)


def forme_candidate(forme):
    """The folded word if the form can become a playable word, else None."""
    if not forme or not forme[0].islower():
        return None
    pli = plier(forme)
    return pli if MOT_VALIDE.fullmatch(pli) else None
