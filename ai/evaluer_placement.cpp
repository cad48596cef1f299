#include "ai/evaluer_placement.h"

#include <string>

namespace glyphane {

namespace {

// o = 1: row l, read along its columns; o = 2: column l, read along its rows.
constexpr int orientationRangee = 1;
constexpr int orientationColonne = 2;

int orientationPrincipale(const Placement& p) {
    return p.sens == sensVertical ? orientationColonne : orientationRangee;
}
int orientationCroisee(const Placement& p) { return orientationRangee + orientationColonne - orientationPrincipale(p); }

std::size_t indice(int numero) { return static_cast<std::size_t>(numero); }

void normaliser(LignesMotifs& lignes, char vide) {
    for (int o = orientationRangee; o <= orientationColonne; ++o) {
        for (int l = 1; l <= tailleGrille; ++l) {
            std::string& texte = lignes[indice(o)][indice(l)];
            if (texte.size() != tailleGrille) texte.assign(tailleGrille, vide);
        }
    }
}

Etendue etendre(std::string_view ligne, int debut, int fin) {
    while (debut > 0 && ligne[indice(debut - 1)] != lettreMotifVide) --debut;
    while (fin + 1 < tailleGrille && ligne[indice(fin + 1)] != lettreMotifVide) ++fin;
    return {debut, fin};
}

std::string_view texteDe(std::string_view ligne, Etendue e) {
    return ligne.substr(indice(e.debut), indice(e.fin - e.debut + 1));
}

// The run across the main word at new tile k, found on the crossing line.
Etendue etendueCroisee(const LignesDeTravail& lignes, const Placement& p, int k) {
    const std::string& croisee = lignes.lettres()[indice(orientationCroisee(p))][p.positions[indice(k)]];
    return etendre(croisee, p.ligne - 1, p.ligne - 1);
}

std::int32_t pointsCroises(const LignesDeTravail& lignes, const Placement& p, int k) {
    const Etendue e = etendueCroisee(lignes, p, k);
    if (e.debut == e.fin) return 0;
    const std::string& chiffres = lignes.chiffres()[indice(orientationCroisee(p))][p.positions[indice(k)]];
    const int x = p.colonne(k);
    const int y = p.rangee(k);
    std::int32_t somme = valeurDuChiffre(chiffres[indice(p.ligne - 1)]) * MultLettre[x][y];
    for (int i = e.debut; i <= e.fin; ++i) {
        if (i != p.ligne - 1) somme += valeurDuChiffre(chiffres[indice(i)]);
    }
    return somme * MultMot[x][y];
}

std::int32_t pointsPrincipaux(const LignesDeTravail& lignes, const Placement& p, Etendue e) {
    const std::string& chiffres = lignes.chiffres()[indice(orientationPrincipale(p))][indice(p.ligne)];
    std::int32_t somme = 0;
    std::int32_t multiplicateur = 1;
    int k = 0;
    for (int i = e.debut; i <= e.fin; ++i) {
        const int valeur = valeurDuChiffre(chiffres[indice(i)]);
        if (k < p.nombre && p.positions[indice(k)] == i + 1) {
            somme += valeur * MultLettre[p.colonne(k)][p.rangee(k)];
            multiplicateur *= MultMot[p.colonne(k)][p.rangee(k)];
            ++k;
        } else {
            somme += valeur;
        }
    }
    // A lone tile takes its square's word premium in its crossing word only.
    return p.nombre > 1 ? somme * multiplicateur : somme;
}

}  // namespace

LignesDeTravail::LignesDeTravail(const ModeleOrdinateur& modele)
    : lettresMaitre(modele.LignesLettres), chiffresMaitre(modele.LignesChiffres) {
    normaliser(lettresMaitre, lettreMotifVide);
    normaliser(chiffresMaitre, chiffreMotifVide);
    lettresTravail = lettresMaitre;
    chiffresTravail = chiffresMaitre;
}

void LignesDeTravail::ecrire(const Placement& p) {
    for (int k = 0; k < p.nombre; ++k) {
        const auto x = indice(p.colonne(k));
        const auto y = indice(p.rangee(k));
        const char lettre = p.lettres[indice(k)];
        const char chiffre = p.chiffres[indice(k)];
        lettresTravail[orientationRangee][y][x - 1] = lettre;
        lettresTravail[orientationColonne][x][y - 1] = lettre;
        chiffresTravail[orientationRangee][y][x - 1] = chiffre;
        chiffresTravail[orientationColonne][x][y - 1] = chiffre;
    }
}

void LignesDeTravail::effacer(const Placement& p) {
    for (int k = 0; k < p.nombre; ++k) {
        const auto x = indice(p.colonne(k));
        const auto y = indice(p.rangee(k));
        for (auto [o, l, position] : {std::array<std::size_t, 3>{orientationRangee, y, x - 1},
                                      std::array<std::size_t, 3>{orientationColonne, x, y - 1}}) {
            lettresTravail[o][l][position] = lettresMaitre[o][l][position];
            chiffresTravail[o][l][position] = chiffresMaitre[o][l][position];
        }
    }
}

int valeurDuChiffre(char chiffre) {
    if (chiffre >= '1' && chiffre <= '8') return chiffre - '0';
    return chiffre == '9' ? 10 : 0;
}

std::string_view ligneDuPlacement(const LignesDeTravail& lignes, const Placement& p) {
    return lignes.lettres()[indice(orientationPrincipale(p))][indice(p.ligne)];
}

Etendue etendueDuMotPrincipal(const LignesDeTravail& lignes, const Placement& p) {
    return etendre(ligneDuPlacement(lignes, p), p.positions[0] - 1, p.positions[indice(p.nombre - 1)] - 1);
}

std::int32_t EvaluerPlacement(const LignesDeTravail& lignes, const LexiconTrie& trie, const Placement& p) {
    if (p.nombre < 1) return 0;
    for (int k = 0; k < p.nombre; ++k) {
        const Etendue e = etendueCroisee(lignes, p, k);
        const std::string& croisee = lignes.lettres()[indice(orientationCroisee(p))][p.positions[indice(k)]];
        if (e.fin > e.debut && !trie.contains(texteDe(croisee, e))) return 0;
    }
    const Etendue principal = etendueDuMotPrincipal(lignes, p);
    if (!trie.contains(texteDe(ligneDuPlacement(lignes, p), principal))) return 0;

    std::int32_t total = pointsPrincipaux(lignes, p, principal);
    for (int k = 0; k < p.nombre; ++k) total += pointsCroises(lignes, p, k);
    return total;
}

}  // namespace glyphane
