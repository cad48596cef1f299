#!/usr/bin/env python3
"""Rebuilds the built-in French word list from the system hunspell dictionary.

    python3 tools/generer_liste_mots.py [--garder DOSSIER]

Needs the Debian packages hunspell-fr-comprehensive and hunspell (as root:
apt-get install -y hunspell-fr-comprehensive hunspell).  Run by hand when the
dictionary changes, never at build time; the outputs are committed:

    resources/mots/flux_mots.bin       the trie stream the program decodes
    resources/mots/table_lettres.bin   the 26-entry letter table, 'a'..'z'

and the counts in resources/mots/LISEZMOI.txt are refreshed.  --garder keeps
the intermediate files (kept entries, raw forms, accepted forms, final list)
in DOSSIER for inspection.  The words removed by hand are in
tools/mots_exclus.txt, those added by hand in tools/mots_ajoutes.txt, the
words of set phrases kept by hand in tools/mots_de_locutions.txt.

The entries are expanded with the affix rules by this script itself (the
rules are read by tools/affixes.py), and hunspell -G then judges every form,
folded to the tiles' letters by tools/pliage.py.

The stream is a depth-first walk of the trie of all words, one byte a code:
0..25 a letter (index into the letter table), 26 end of word, 28+k (k in
1..15) go back k letters so that the next letter is a sibling of the first
letter cut.  The script decodes what it wrote and fails unless it gets back
exactly the same list.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from affixes import Affixes
from pliage import LONGUEUR_MAX, MOT_VALIDE, forme_candidate

DIC = "/usr/share/hunspell/fr.dic"
AFF = "/usr/share/hunspell/fr.aff"
DICT_BASE = "/usr/share/hunspell/fr"

LETTRES = "abcdefghijklmnopqrstuvwxyz"
FIN_DE_MOT = 26
RECUL_BASE = 28          # go back k letters is code 28 + k

# Parts of speech that alone do not make a playable word: names of people,
# places and titles, word pieces, known misspellings, signs, roman numerals
# and the fragments of multi-word phrases ("a priori" gives "priori").
CATEGORIES_REFUSEES = {
    "npr", "prn", "patr", "titr",
    "pfx", "sfx",
    "err",
    "sign", "ponc", "div",
    "nbro",
}
# An entry marked as a misspelling is dropped even when it also carries a real
# part of speech: those are the elided stems (jusqu, lorsqu...) that only
# exist before an apostrophe.
CATEGORIES_ELIMINATOIRES = {"err"}

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(ICI)
FICHIER_EXCLUS = os.path.join(ICI, "mots_exclus.txt")
FICHIER_AJOUTES = os.path.join(ICI, "mots_ajoutes.txt")
FICHIER_LOCUTIONS = os.path.join(ICI, "mots_de_locutions.txt")
DOSSIER_MOTS = os.path.join(RACINE, "resources", "mots")


# ---------------------------------------------------------------- dictionary

def analyser_ligne_dic(ligne):
    """Splits a .dic line into (word, flags, parts of speech).

    Lines look like `maison/S.() po:nom is:fem`: the word and its flag string
    are separated by the first unescaped slash, the morphology fields by
    blanks.  Returns None for a blank line."""
    champs = ligne.split()
    if not champs:
        return None
    tete = champs[0]
    mot, drapeaux = tete, ""
    i = 0
    while i < len(tete):
        if tete[i] == "\\":
            i += 2
            continue
        if tete[i] == "/":
            mot, drapeaux = tete[:i], tete[i + 1:]
            break
        i += 1
    mot = mot.replace("\\/", "/")
    categories = [c[3:] for c in champs[1:] if c.startswith("po:")]
    return mot, drapeaux, categories


def categorie_jouable(categorie):
    if categorie.startswith("loc"):
        return False
    return categorie not in CATEGORIES_REFUSEES


def entree_gardee(mot, drapeaux, categories, mots_de_locutions=frozenset()):
    """Whether a dictionary entry can yield playable words.

    drapeaux is the list of the entry's flags.  A word of set phrases only
    (antan, emblee) is kept when it is in mots_de_locutions, the French
    ones chosen by hand; the others are Latin or foreign pieces."""
    if not mot or not mot[0].islower():
        return False
    # Abbreviations, symbols and units (cm, kg, km...) carry KEEPCASE plus
    # NOSUGGEST, or the unit-prefix flag first.
    if "||" in drapeaux and "--" in drapeaux:
        return False
    if drapeaux and drapeaux[0] == "U.":
        return False
    if any(c in CATEGORIES_ELIMINATOIRES for c in categories):
        return False
    if mot in mots_de_locutions:
        return True
    return any(categorie_jouable(c) for c in categories)


# -------------------------------------------------------------------- stream

def encoder(mots):
    """Encodes a sorted list of distinct words as the trie stream."""
    flux = bytearray()
    precedent = ""
    for mot in mots:
        if not MOT_VALIDE.fullmatch(mot):
            raise ValueError("mot impossible a encoder: %r" % mot)
        if mot <= precedent:
            raise ValueError("liste non triee ou doublon: %r apres %r" % (mot, precedent))
        p = 0
        limite = min(len(mot), len(precedent))
        while p < limite and mot[p] == precedent[p]:
            p += 1
        recul = len(precedent) - p
        if recul > 0:
            # The letter written next becomes the sibling of precedent[p],
            # which the sort order guarantees is smaller than mot[p].
            flux.append(RECUL_BASE + recul)
        for c in mot[p:]:
            flux.append(ord(c) - ord("a"))
        flux.append(FIN_DE_MOT)
        precedent = mot
    return bytes(flux)


def decoder(flux, table=LETTRES):
    """Decodes the stream back to its word list, rejecting any stream the
    program's loader should not accept."""
    mots = []
    chemin = []         # codes of the letters from the root
    precedent = None    # previous code
    coupee = None       # code of the first letter cut by the last go-back
    for position, code in enumerate(flux):
        if code < len(table):
            if len(chemin) >= LONGUEUR_MAX:
                raise ValueError("mot de plus de %d lettres a l'octet %d" % (LONGUEUR_MAX, position))
            # After a go-back the letter is a sibling of the one cut and must
            # come after it; otherwise it is the first child of its node.
            if coupee is not None and code <= coupee:
                raise ValueError("lettres soeurs hors d'ordre a l'octet %d" % position)
            chemin.append(code)
            coupee = None
        elif code == FIN_DE_MOT:
            if precedent is None or precedent >= len(table):
                # A word ends on the letter just placed, or it would be
                # marked twice, or mark the empty path.
                raise ValueError("fin de mot sans lettre avant, a l'octet %d" % position)
            mots.append("".join(table[c] for c in chemin))
        elif RECUL_BASE + 1 <= code <= RECUL_BASE + LONGUEUR_MAX:
            k = code - RECUL_BASE
            if precedent != FIN_DE_MOT:
                # Leaving a branch whose tip is not a word would leave a
                # dead branch in the trie.
                raise ValueError("recul sans fin de mot avant, a l'octet %d" % position)
            if k > len(chemin):
                raise ValueError("recul de %d lettres sur un chemin de %d a l'octet %d"
                                 % (k, len(chemin), position))
            coupee = chemin[len(chemin) - k]
            del chemin[len(chemin) - k:]
        else:
            raise ValueError("code %d inconnu a l'octet %d" % (code, position))
        precedent = code
    if precedent is not None and precedent != FIN_DE_MOT:
        raise ValueError("le flux ne finit pas par une fin de mot")
    return mots


# ------------------------------------------------------------------ pipeline

def verifier_outils():
    manque = [f for f in (DIC, AFF) if not os.path.exists(f)]
    manque += [o for o in ("hunspell",) if shutil.which(o) is None]
    if manque:
        sys.exit("introuvable: %s\ninstaller: apt-get install -y "
                 "hunspell-fr-comprehensive hunspell" % ", ".join(manque))


def version_dictionnaire():
    try:
        sortie = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "hunspell-fr-comprehensive"],
                                capture_output=True, text=True, check=True).stdout
        return sortie.strip() or "inconnue"
    except (OSError, subprocess.CalledProcessError):
        return "inconnue"


def mot_du_dictionnaire(mot):
    """A lowercase word as the dictionary spells it, accents included."""
    return mot.isalpha() and mot.islower()


def lire_liste(chemin, valide=MOT_VALIDE.fullmatch):
    mots = set()
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            ligne = ligne.split("#", 1)[0].strip()
            if ligne:
                if not valide(ligne):
                    sys.exit("%s: entree invalide %r" % (os.path.basename(chemin), ligne))
                mots.add(ligne)
    return mots


def lire_affixes():
    with open(AFF, encoding="utf-8") as f:
        try:
            return Affixes(f.read().splitlines())
        except ValueError as erreur:
            sys.exit("%s: %s" % (AFF, erreur))


def entrees_gardees(affixes, mots_de_locutions):
    """The entries to expand, as (word, flags), and the number of entries."""
    with open(DIC, encoding="utf-8") as f:
        lignes = f.read().splitlines()
    # The first line is the entry count, not an entry.
    if not lignes or not lignes[0].strip().isdigit():
        sys.exit("%s: la premiere ligne devrait etre un nombre" % DIC)
    gardees = []
    for ligne in lignes[1:]:
        analyse = analyser_ligne_dic(ligne)
        if analyse is None:
            continue
        mot, drapeaux, categories = analyse
        if not categories:
            # Every entry of this dictionary has a part of speech: a line
            # without one means the format moved under us.
            sys.exit("%s: entree sans categorie: %r" % (DIC, ligne))
        drapeaux = affixes.drapeaux(drapeaux)
        if entree_gardee(mot, drapeaux, categories, mots_de_locutions):
            gardees.append((mot, drapeaux))
    return len(lignes) - 1, gardees


def deplier(entrees, affixes):
    """Expands the entries with their affixes; returns the distinct forms."""
    formes = set()
    for mot, drapeaux in entrees:
        formes |= affixes.deplier(mot, drapeaux)
    return formes


def filtrer_par_hunspell(formes, dossier):
    """Keeps the forms hunspell accepts as whole words: the expansion builds
    some that the dictionary refuses (affixes that only combine with others,
    prefixes and suffixes that do not cross)."""
    chemin = os.path.join(dossier, "candidates.txt")
    with open(chemin, "w", encoding="utf-8") as f:
        for forme in sorted(formes):
            f.write(forme + "\n")
    with open(chemin, "rb") as entree:
        resultat = subprocess.run(["hunspell", "-i", "UTF-8", "-d", DICT_BASE, "-G"],
                                  stdin=entree, stdout=subprocess.PIPE,
                                  stderr=subprocess.PIPE, check=True)
    acceptees = set(resultat.stdout.decode("utf-8").splitlines())
    # hunspell may split a line into tokens; only whole forms count.
    return acceptees & formes


def compter_par_longueur(mots):
    compte = {}
    for m in mots:
        compte[len(m)] = compte.get(len(m), 0) + 1
    return dict(sorted(compte.items()))


def ecrire_lisezmoi(chemin, version, mots, compte, taille_flux, etapes):
    """etapes holds the count after each step of the derivation."""
    lignes_longueurs = "\n".join("  %2d lettres : %7d" % (l, n) for l, n in compte.items())
    texte = f"""Liste de mots francais integree a Glyphane
==========================================

Fichiers
--------
flux_mots.bin      le trie de tous les mots, parcouru en profondeur, un code
                   par octet : 0 a 25 une lettre (indice dans la table),
                   26 fin de mot, 28+k (k de 1 a 15) retour de k lettres, la
                   lettre suivante devenant soeur de la premiere lettre
                   retiree. Les lettres soeurs sont en ordre croissant.
table_lettres.bin  les 26 lettres 'a' a 'z', dans l'ordre des codes.

Source
------
Dictionnaire orthographique francais du projet Grammalecte (anciennement
Dicollecte), variante << toutes variantes >>, tel que l'empaquette Debian
dans hunspell-fr-comprehensive, version {version}
(fichiers /usr/share/hunspell/fr.dic et fr.aff).

Licence : Mozilla Public License 2.0 (MPL-2.0),
https://mozilla.org/MPL/2.0/
La liste derivee reste sous cette licence.

Derivation
----------
1. Entrees de fr.dic commencant par une minuscule et ayant au moins une
   categorie grammaticale autre que : noms propres, prenoms, patronymes,
   titres, prefixes, suffixes, signes, chiffres romains, elements de
   locutions. Sont ecartees aussi les entrees marquees comme erreurs
   (jusqu, lorsqu...) et les abreviations, symboles et unites (drapeaux
   KEEPCASE + NOSUGGEST, ou prefixe d'unite en tete : cm, kg, km...).
   Les mots francais qui ne vivent que dans des locutions (antan,
   emblee, catimini...) sont gardes : tools/mots_de_locutions.txt.
   {etapes['gardees']} entrees gardees sur {etapes['entrees']}.
2. Flexion de ces entrees par le script lui-meme avec les regles de
   fr.aff : suffixes, prefixes, et ceux que leurs drapeaux de
   continuation appellent (le pluriel des unites vient de leur prefixe :
   grammes, kilogrammes) : {etapes['formes']} formes.
3. Formes commencant par une minuscule et qui, accents et ligatures
   replies (e accent -> e, c cedille -> c, oe lie -> oe, ae lie -> ae...),
   s'ecrivent en 2 a 15 lettres a-z : {etapes['candidates']} formes.
4. Seules restent les formes que hunspell -G accepte avec fr :
   {etapes['acceptees']} formes.
5. Repliees, triees, sans doublons : {etapes['pliees']} mots.
6. Retrait des mots de tools/mots_exclus.txt : abreviations et symboles
   que le dictionnaire classe comme noms ordinaires (pt, vs, nov, janv,
   cos...), morceaux anglais ou latins de locutions (big, french,
   populi...) : {etapes['retires']} mots retires.
7. Ajout des mots de tools/mots_ajoutes.txt : des mots courts que tout
   joueur francais attend (aa, ka, ok, ska, jab...) et que le dictionnaire
   source ne donne pas, ou seulement comme symboles (rad, tex...) :
   {etapes['ajoutes']} mots ajoutes.

Contenu
-------
{len(mots)} mots, {taille_flux} octets de flux.

{lignes_longueurs}

Regenerer
---------
    apt-get install -y hunspell-fr-comprehensive hunspell
    python3 tools/generer_liste_mots.py

Le script reecrit les deux fichiers .bin et ce fichier, affiche les
comptes, et echoue si le flux relu ne redonne pas exactement la liste.
Ensuite, pour verifier les fichiers produits :
    python3 -m unittest discover -s tools -p 'test_*.py'
(ctest le lance aussi, sous le nom outils.liste_mots).
"""
    with open(chemin, "w", encoding="utf-8") as f:
        f.write(texte)


def main():
    parseur = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parseur.add_argument("--garder", metavar="DOSSIER",
                         help="garder les fichiers intermediaires dans DOSSIER")
    args = parseur.parse_args()

    debut = time.monotonic()
    verifier_outils()
    version = version_dictionnaire()
    exclus = lire_liste(FICHIER_EXCLUS)
    ajoutes = lire_liste(FICHIER_AJOUTES)
    mots_de_locutions = lire_liste(FICHIER_LOCUTIONS, mot_du_dictionnaire)
    affixes = lire_affixes()

    with tempfile.TemporaryDirectory(prefix="glyphane-mots-") as temporaire:
        dossier = args.garder or temporaire
        os.makedirs(dossier, exist_ok=True)

        total_entrees, gardees = entrees_gardees(affixes, mots_de_locutions)
        print("entrees du dictionnaire : %d, gardees : %d" % (total_entrees, len(gardees)))
        absentes = sorted(mots_de_locutions - {mot for mot, _ in gardees})
        if absentes:
            print("attention : mots de locutions absents du dictionnaire : %s" % " ".join(absentes))

        brutes = deplier(gardees, affixes)
        print("formes produites par les affixes : %d" % len(brutes))

        # Only forms that could end up in the list go to hunspell: it is the
        # slow step, and most raw forms carry an elided article or a hyphen.
        candidates = {f for f in brutes if forme_candidate(f) is not None}
        print("formes candidates : %d" % len(candidates))

        acceptees = filtrer_par_hunspell(candidates, dossier)
        print("formes acceptees par hunspell : %d" % len(acceptees))

        mots = {forme_candidate(f) for f in acceptees}
        inconnus = sorted(exclus - mots)
        if inconnus:
            print("attention : mots exclus absents de la liste : %s" % " ".join(inconnus))
        deja = sorted(ajoutes & mots)
        if deja:
            print("attention : mots ajoutes deja dans la liste : %s" % " ".join(deja))
        etapes = {"entrees": total_entrees, "gardees": len(gardees), "formes": len(brutes),
                  "candidates": len(candidates), "acceptees": len(acceptees),
                  "pliees": len(mots), "retires": len(exclus & mots),
                  "ajoutes": len(ajoutes - (mots - exclus))}
        mots = sorted((mots - exclus) | ajoutes)

        if args.garder:
            with open(os.path.join(dossier, "acceptees.txt"), "w", encoding="utf-8") as f:
                f.write("\n".join(sorted(acceptees)) + "\n")
            with open(os.path.join(dossier, "mots.txt"), "w", encoding="utf-8") as f:
                f.write("\n".join(mots) + "\n")

    flux = encoder(mots)
    relus = decoder(flux)
    if relus != mots:
        premier = next((i for i, (a, b) in enumerate(zip(relus, mots)) if a != b),
                       min(len(relus), len(mots)))
        sys.exit("ECHEC : le flux relu differe de la liste (rang %d)" % premier)

    os.makedirs(DOSSIER_MOTS, exist_ok=True)
    with open(os.path.join(DOSSIER_MOTS, "flux_mots.bin"), "wb") as f:
        f.write(flux)
    with open(os.path.join(DOSSIER_MOTS, "table_lettres.bin"), "wb") as f:
        f.write(LETTRES.encode("ascii"))
    compte = compter_par_longueur(mots)
    ecrire_lisezmoi(os.path.join(DOSSIER_MOTS, "LISEZMOI.txt"), version, mots, compte,
                    len(flux), etapes)

    print("mots par longueur :")
    for longueur, n in compte.items():
        print("  %2d : %7d" % (longueur, n))
    print("total : %d mots" % len(mots))
    print("flux : %d octets, relecture identique" % len(flux))
    print("duree : %.1f s" % (time.monotonic() - debut))


if __name__ == "__main__":
    main()
