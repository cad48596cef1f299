"""Reading of a hunspell .aff file and expansion of dictionary entries with
its prefix and suffix rules, as much as building the word list needs."""

import re

from pliage import MOT_VALIDE_OU_VIDE, plier


def decouper_drapeaux(texte, type_drapeaux="long"):
    """Splits a flag string the way the affix file's FLAG line says: two
    characters a flag (long), one character (UTF-8, and the default for
    ASCII flags), or numbers separated by commas (num)."""
    if type_drapeaux == "long":
        return [texte[i:i + 2] for i in range(0, len(texte), 2)]
    if type_drapeaux == "num":
        return [n for n in texte.split(",") if n]
    return list(texte)


class RegleAffixe:
    """One PFX or SFX line: strip `retrait`, add `ajout`, where `condition`
    matches the start (prefix) or the end (suffix) of the word the rule is
    applied to; `suite` holds the continuation flags of the result."""

    def __init__(self, est_suffixe, retrait, ajout, suite, condition):
        self.est_suffixe = est_suffixe
        self.retrait = retrait
        self.ajout = ajout
        self.suite = frozenset(suite)
        motif, self.longueur_condition = traduire_condition(condition)
        self.condition = re.compile(motif)
        # A prefix that adds an apostrophe, a hyphen or a capital can never
        # give a playable word: nothing applied later takes it off again.
        self.jouable = est_suffixe or MOT_VALIDE_OU_VIDE.fullmatch(plier(ajout)) is not None

    def s_applique(self, mot):
        n = self.longueur_condition
        if len(mot) < max(n, len(self.retrait)):
            return False
        if self.est_suffixe:
            return mot.endswith(self.retrait) and \
                self.condition.fullmatch(mot, len(mot) - n) is not None
        return mot.startswith(self.retrait) and self.condition.fullmatch(mot, 0, n) is not None

    def appliquer(self, mot):
        if self.est_suffixe:
            return mot[:len(mot) - len(self.retrait)] + self.ajout
        return self.ajout + mot[len(self.retrait):]


def traduire_condition(condition):
    """Turns an affix condition (letters, `.`, `[...]`, `[^...]`) into a
    regular expression and the number of characters it spans."""
    if condition == ".":
        return "", 0
    morceaux = []
    i = 0
    while i < len(condition):
        c = condition[i]
        if c == "[":
            fin = condition.index("]", i + 1)
            dedans = condition[i + 1:fin]
            negation = dedans.startswith("^")
            if negation:
                dedans = dedans[1:]
            morceaux.append("[" + ("^" if negation else "") +
                            "".join(re.escape(x) for x in dedans) + "]")
            i = fin + 1
        else:
            morceaux.append("." if c == "." else re.escape(c))
            i += 1
    return "".join(morceaux), len(morceaux)


def sans_zero(texte):
    return "" if texte == "0" else texte


class Affixes:
    """The affix rules of a hunspell .aff file, as much as expanding needs."""

    def __init__(self, lignes):
        self.type_drapeaux = "ascii"
        self.prefixes = {}
        self.suffixes = {}
        attendues = {}      # (kind, flag) -> rules still to read
        for numero, ligne in enumerate(lignes, 1):
            champs = ligne.split()
            if not champs:
                continue
            if champs[0] == "FLAG" and len(champs) > 1:
                self.type_drapeaux = champs[1].lower()
            elif champs[0] == "AF":
                # Flag aliases would need their own table: say so rather
                # than expand with the wrong flags.
                raise ValueError("ligne %d : les alias de drapeaux (AF) ne sont pas lus" % numero)
            elif champs[0] in ("PFX", "SFX") and len(champs) >= 4:
                cle = (champs[0], champs[1])
                if cle not in attendues:
                    attendues[cle] = int(champs[3])
                    continue
                if attendues[cle] <= 0:
                    raise ValueError("ligne %d : regle de trop pour %s %s" % (numero, *cle))
                attendues[cle] -= 1
                self._ajouter(champs, numero)

    def _ajouter(self, champs, numero):
        genre, drapeau, retrait, ajout = champs[:4]
        condition = champs[4] if len(champs) > 4 else "."
        ajout, _, suite = ajout.partition("/")
        try:
            regle = RegleAffixe(genre == "SFX", sans_zero(retrait), sans_zero(ajout),
                                decouper_drapeaux(suite, self.type_drapeaux), condition)
        except (ValueError, re.error) as erreur:
            raise ValueError("ligne %d : condition illisible %r (%s)" % (numero, condition, erreur))
        table = self.suffixes if regle.est_suffixe else self.prefixes
        table.setdefault(drapeau, []).append(regle)

    def drapeaux(self, texte):
        return decouper_drapeaux(texte, self.type_drapeaux)

    def _regles(self, table, drapeaux, mot):
        for drapeau in drapeaux:
            for regle in table.get(drapeau, ()):
                if regle.jouable and regle.s_applique(mot):
                    yield regle

    def _suffixees(self, mot, drapeaux):
        """The word and its forms with one suffix, or two when the first one's
        continuation allows the second, each with the flags it carries on."""
        yield mot, frozenset()
        for regle in self._regles(self.suffixes, drapeaux, mot):
            forme = regle.appliquer(mot)
            yield forme, regle.suite
            for seconde in self._regles(self.suffixes, regle.suite, forme):
                yield seconde.appliquer(forme), regle.suite | seconde.suite

    def deplier(self, mot, drapeaux):
        """Every form the entry's flags can build: suffixes, prefixes and
        both, following the continuation flags of prefixes (a unit's plural
        comes only from its prefix) and of suffixes.  It gives more than the
        dictionary accepts: hunspell judges afterwards."""
        drapeaux = frozenset(drapeaux)
        formes = set()
        for forme, suite in self._suffixees(mot, drapeaux):
            formes.add(forme)
            # Prefixes of the entry come in the loop below; here only those
            # the suffix alone allows.
            for prefixe in self._regles(self.prefixes, suite - drapeaux, mot):
                formes.add(prefixe.appliquer(forme))
        for prefixe in self._regles(self.prefixes, drapeaux, mot):
            for forme, _ in self._suffixees(mot, drapeaux | prefixe.suite):
                formes.add(prefixe.appliquer(forme))
        return formes
