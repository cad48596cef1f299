#!/usr/bin/env python3
"""Tests of the word-list generator, of its affix and folding modules, and of
the committed stream.

    python3 -m unittest discover -s tools -p 'test_*.py'

The pure parts (dictionary line parsing, entry filter, affix expansion,
folding, stream encoder and decoder) need nothing installed.  The checks of
the committed resources/mots files need only those files; those against the
system dictionary are skipped where hunspell-fr-comprehensive and hunspell
are not installed.
"""

import os
import random
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import affixes  # noqa: E402
import generer_liste_mots as g  # noqa: E402
import pliage  # noqa: E402

C, A, R, T, O = 2, 0, 17, 19, 14


class Encodage(unittest.TestCase):
    def test_exemple_car_cat(self):
        self.assertEqual(list(g.encoder(["car", "cat"])), [C, A, R, 26, 29, T, 26])

    def test_recul_de_deux_puis_soeur(self):
        self.assertEqual(list(g.encoder(["car", "cat", "co"])),
                         [C, A, R, 26, 29, T, 26, 30, O, 26])

    def test_prefixe_sans_recul(self):
        # "ca" is a word and a prefix of "car": the r is its child.
        self.assertEqual(list(g.encoder(["ca", "car"])), [C, A, 26, R, 26])

    def test_pas_de_recul_final(self):
        self.assertEqual(g.encoder(["zz"])[-1], 26)

    def test_recul_de_quinze(self):
        longs = ["a" * 15, "ba"]
        flux = g.encoder(longs)
        self.assertIn(28 + 15, flux)
        self.assertEqual(g.decoder(flux), longs)

    def test_aller_retour_aleatoire(self):
        hasard = random.Random(1234)
        for _ in range(200):
            # A small alphabet forces long shared prefixes and words that
            # are prefixes of others.
            alphabet = "abc" if hasard.random() < 0.5 else g.LETTRES
            mots = set()
            for _ in range(hasard.randint(1, 60)):
                n = hasard.randint(2, 15)
                mots.add("".join(hasard.choice(alphabet) for _ in range(n)))
            mots = sorted(mots)
            self.assertEqual(g.decoder(g.encoder(mots)), mots)

    def test_refuse_liste_non_triee(self):
        with self.assertRaises(ValueError):
            g.encoder(["cat", "car"])

    def test_refuse_doublon(self):
        with self.assertRaises(ValueError):
            g.encoder(["car", "car"])

    def test_refuse_mot_hors_alphabet(self):
        for mauvais in ["été", "Car", "a", "a" * 16, "porte-clé"]:
            with self.assertRaises(ValueError, msg=mauvais):
                g.encoder([mauvais])


class Decodage(unittest.TestCase):
    def rejette(self, codes):
        with self.assertRaises(ValueError, msg=codes):
            g.decoder(bytes(codes))

    def test_flux_vide(self):
        self.assertEqual(g.decoder(b""), [])

    def test_debut_par_fin_de_mot(self):
        self.rejette([26, C, 26])

    def test_debut_par_recul(self):
        self.rejette([29, C, 26])

    def test_recul_trop_long(self):
        self.rejette([C, A, 26, 31, O, 26])

    def test_soeur_pas_plus_grande(self):
        self.rejette([C, A, R, 26, 29, R, 26])
        self.rejette([C, A, R, 26, 29, A, 26])

    def test_recul_sans_fin_de_mot(self):
        # "ca" would be a dead branch: neither a word nor a prefix of one.
        self.rejette([C, A, 29, O, 26])

    def test_deux_reculs(self):
        self.rejette([C, A, R, 26, 29, 29, O, 26])

    def test_fin_de_mot_repetee(self):
        self.rejette([C, A, 26, 26])

    def test_fin_de_mot_apres_recul(self):
        self.rejette([C, A, R, 26, 29, 26])

    def test_recul_final(self):
        self.rejette([C, A, R, 26, 29])

    def test_flux_sans_fin(self):
        self.rejette([C, A, R])

    def test_mot_trop_long(self):
        self.rejette([A] * 16 + [26])

    def test_codes_inconnus(self):
        for code in (27, 28, 44, 255):
            self.rejette([C, A, 26, code, O, 26])


class Dictionnaire(unittest.TestCase):
    # Real lines of fr.dic, copied as they are.
    def test_ligne_avec_drapeaux(self):
        self.assertEqual(g.analyser_ligne_dic("maison/S.() po:nom is:fem"),
                         ("maison", "S.()", ["nom"]))

    def test_ligne_sans_drapeaux(self):
        self.assertEqual(g.analyser_ligne_dic("attendu po:mg po:prep"),
                         ("attendu", "", ["mg", "prep"]))

    def test_ligne_verbe(self):
        mot, drapeaux, categories = g.analyser_ligne_dic("abader/d'q'l'm't's' po:v1____p_e_ po:infi")
        self.assertEqual((mot, drapeaux), ("abader", "d'q'l'm't's'"))
        self.assertEqual(categories, ["v1____p_e_", "infi"])

    def garde(self, ligne, mots_de_locutions=frozenset()):
        mot, drapeaux, categories = g.analyser_ligne_dic(ligne)
        return g.entree_gardee(mot, affixes.decouper_drapeaux(drapeaux), categories,
                               mots_de_locutions)

    def test_entrees_gardees(self):
        for ligne in ["maison/S.() po:nom is:fem",
                      "abader/d'q'l'm't's' po:v1____p_e_ po:infi",
                      "afin/D'Q'Q* po:mg po:loc.prepv po:loc.cj",
                      "être/zE() po:v0ei_____a",
                      "ud/L'D'Q' po:nom is:mas is:inv",
                      "zen/S.() po:adj is:epi"]:
            self.assertTrue(self.garde(ligne), ligne)

    def test_entrees_ecartees(self):
        for ligne in ["cm/U.||-- po:nom is:mas is:inv",
                      "st/||-- po:nom is:mas is:inv",
                      "ba/||-- po:nom is:fem is:inv",
                      "Barcelone/L'D'Q' po:npr is:epi is:inv",
                      "anti/L'D'Q' po:pfx",
                      "ab/L'D'Q' po:loc.adv",
                      "jusqu/-- po:mg po:prep po:err",
                      "t'il/S= po:err",
                      "I/-- po:nbro is:epi is:sg",
                      "1er/-- po:adj is:mas is:sg",
                      "- po:ponc po:sign"]:
            self.assertFalse(self.garde(ligne), ligne)

    def test_drapeaux_lus_par_paires(self):
        # "|U.|" holds the characters U and . but not the flag U.
        self.assertTrue(g.entree_gardee("xy", affixes.decouper_drapeaux("|U.|"), ["nom"]))
        self.assertFalse(g.entree_gardee("xy", affixes.decouper_drapeaux("U.S."), ["nom"]))

    def test_mots_de_locutions_choisis(self):
        choisis = {"antan", "emblée"}
        self.assertTrue(self.garde("antan/D' po:loc.adj", choisis))
        self.assertTrue(self.garde("emblée/D' po:loc.adv", choisis))
        self.assertFalse(self.garde("facto po:loc.adv", choisis))

    def test_types_de_drapeaux(self):
        self.assertEqual(affixes.decouper_drapeaux("S.()", "long"), ["S.", "()"])
        self.assertEqual(affixes.decouper_drapeaux("éA", "utf-8"), ["é", "A"])
        self.assertEqual(affixes.decouper_drapeaux("101,7", "num"), ["101", "7"])
        self.assertEqual(affixes.decouper_drapeaux("AB", "ascii"), ["A", "B"])


class Affixes(unittest.TestCase):
    # Small affix files in the dictionary's own syntax.
    UNITES = """FLAG long
PFX Um Y 3
PFX Um 0 0/S. .
PFX Um 0 kilo/S. .
PFX Um 0 l' [aeiou]
SFX S. Y 1
SFX S. 0 s [^sxz]
SFX xN Y 2
SFX xN soudre solu/S. résoudre
SFX xN soudre sous soudre
"""

    def test_prefixe_qui_porte_le_pluriel(self):
        a = affixes.Affixes(self.UNITES.splitlines())
        self.assertEqual(a.deplier("gramme", a.drapeaux("Um()")),
                         {"gramme", "grammes", "kilogramme", "kilogrammes"})

    def test_condition_accentuee_et_second_suffixe(self):
        a = affixes.Affixes(self.UNITES.splitlines())
        self.assertEqual(a.deplier("résoudre", ["xN"]),
                         {"résoudre", "résolu", "résolus", "résous"})
        # "absoudre" ends in "soudre" but not in "résoudre".
        self.assertEqual(a.deplier("absoudre", ["xN"]), {"absoudre", "absous"})

    def test_drapeaux_utf8(self):
        a = affixes.Affixes(["FLAG UTF-8", "SFX é Y 1", "SFX é er é/ü er",
                             "SFX ü Y 1", "SFX ü 0 e ."])
        self.assertEqual(a.deplier("chanter", a.drapeaux("é")),
                         {"chanter", "chanté", "chantée"})

    def test_fichier_illisible(self):
        with self.assertRaises(ValueError):
            affixes.Affixes(["FLAG long", "SFX S. Y 1", "SFX S. 0 s [^sxz", "SFX S. 0 x ."])


class Pliage(unittest.TestCase):
    def test_accents_et_ligatures(self):
        cas = {"été": "ete", "naïve": "naive", "œuvre": "oeuvre", "cœur": "coeur",
               "aïeux": "aieux", "garçon": "garcon", "français": "francais",
               "ægagropile": "aegagropile", "capharnaüm": "capharnaum",
               "l'ÿ": "l'y", "où": "ou", "gîte": "gite", "rôle": "role",
               "mûre": "mure", "noël": "noel", "cañon": "canon", "à": "a",
               "être": "etre"}
        for forme, attendu in cas.items():
            self.assertEqual(pliage.plier(forme), attendu)

    def test_formes_candidates(self):
        self.assertEqual(pliage.forme_candidate("chantâmes"), "chantames")
        for forme in ["Paris", "porte-clé", "l'homme", "a", "anticonstitutionnellement",
                      "é", "ﬁxe", ""]:
            self.assertIsNone(pliage.forme_candidate(forme), forme)


DOSSIER = g.DOSSIER_MOTS
FLUX = os.path.join(DOSSIER, "flux_mots.bin")


@unittest.skipUnless(os.path.exists(FLUX), "flux_mots.bin absent")
class FichiersEngages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(FLUX, "rb") as f:
            cls.flux = f.read()
        cls.mots = g.decoder(cls.flux)
        cls.ensemble = set(cls.mots)

    def test_table_des_lettres(self):
        with open(os.path.join(DOSSIER, "table_lettres.bin"), "rb") as f:
            self.assertEqual(f.read(), b"abcdefghijklmnopqrstuvwxyz")

    def test_liste_triee_sans_doublon(self):
        self.assertEqual(self.mots, sorted(self.ensemble))

    def test_taille(self):
        self.assertGreaterEqual(len(self.mots), 405600)
        self.assertLess(len(self.mots), 420000)

    def test_reencodage_identique(self):
        self.assertEqual(g.encoder(self.mots), self.flux)

    def test_mots_presents(self):
        for mot in ["maison", "etre", "ete", "cafe", "naive", "oeuvre", "coeur", "aieux",
                    "garcon", "francais", "chantions", "fussiez", "zythums", "kiwis",
                    "wok", "qat", "zen", "paris", "jean", "tel", "oc", "qi", "wu", "aa", "in", "ka",
                    # units whose plural comes from a prefix, and a form
                    # behind a condition with an accent
                    "grammes", "volts", "kilojoules", "resolu",
                    "ud", "ok", "antan", "emblee", "rad", "ska"]:
            self.assertTrue(mot in self.ensemble, mot)

    def test_mots_absents(self):
        for mot in ["cm", "kg", "km", "qu", "jusqu", "lorsqu", "mg", "st",
                    "di", "od", "big", "french", "populi", "facto", "krad"]:
            self.assertFalse(mot in self.ensemble, mot)

    def test_exclus_absents(self):
        for mot in g.lire_liste(g.FICHIER_EXCLUS):
            self.assertFalse(mot in self.ensemble, mot)

    def test_ajoutes_presents(self):
        for mot in g.lire_liste(g.FICHIER_AJOUTES):
            self.assertTrue(mot in self.ensemble, mot)

    def test_lisezmoi_a_jour(self):
        with open(os.path.join(DOSSIER, "LISEZMOI.txt"), encoding="utf-8") as f:
            texte = f.read()
        self.assertIn("%d mots, %d octets" % (len(self.mots), len(self.flux)), texte)
        self.assertIn("https://mozilla.org/MPL/2.0/", texte)


@unittest.skipUnless(os.path.exists(g.AFF) and os.path.exists(g.DIC) and shutil.which("hunspell"),
                     "hunspell-fr-comprehensive ou hunspell absent")
class DictionnaireDuSysteme(unittest.TestCase):
    def test_formes_des_unites_et_de_resoudre_acceptees(self):
        with open(g.AFF, encoding="utf-8") as f:
            a = affixes.Affixes(f.read().splitlines())
        formes = a.deplier("gramme", a.drapeaux("Um()")) | a.deplier("résoudre", a.drapeaux("xN()"))
        attendues = {"grammes", "kilogrammes", "centigrammes", "résolu", "résolue", "résolues"}
        self.assertLessEqual(attendues, formes)
        with tempfile.TemporaryDirectory() as dossier:
            jugees = g.filtrer_par_hunspell(attendues | {"grammess", "résolut"}, dossier)
        self.assertEqual(jugees, attendues | {"résolut"})


if __name__ == "__main__":
    unittest.main()
