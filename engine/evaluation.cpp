#include "engine/evaluation.h"

#include <charconv>

#include "engine/jetons.h"

namespace glyphane {

namespace {

struct Case {
    int x = 0;
    int y = 0;
};

// This turn's tiles in board order (column by column, top to bottom), 1..nombre.
struct NouveauxJetons {
    std::array<Case, tailleChevalet + 1> cases{};
    int nombre = 0;
};

// A word runs down a column (V) or along a row (H); a square is found by its rank
// along that line.
struct Sens {
    int dx;
    int dy;
};
constexpr Sens verticale{0, 1};
constexpr Sens horizontale{1, 0};

int rang(Case c, Sens sens) { return sens.dx != 0 ? c.x : c.y; }
Case caseAuRang(Case c, Sens sens, int r) { return sens.dx != 0 ? Case{r, c.y} : Case{c.x, r}; }

// The word tables of one direction, so that both directions share one routine.
struct TablesDuSens {
    std::array<std::string, tailleChevalet + 1>& mot;
    std::array<std::uint8_t, tailleChevalet + 1>& aMot;
    std::array<std::uint8_t, tailleChevalet + 1>& debut;
    std::array<std::uint8_t, tailleChevalet + 1>& fin;
    std::array<std::int32_t, tailleChevalet + 1>& points;
    std::uint8_t& motPrincipal;
};

TablesDuSens tablesV(Evaluation& e) { return {e.motV, e.aMotV, e.debutV, e.finV, e.pointsV, e.motPrincipalV}; }
TablesDuSens tablesH(Evaluation& e) { return {e.motH, e.aMotH, e.debutH, e.finH, e.pointsH, e.motPrincipalH}; }

bool surLePlateau(Case c) { return c.x >= 1 && c.x <= tailleGrille && c.y >= 1 && c.y <= tailleGrille; }
bool estOccupee(const Plateau& p, Case c) { return p.grilleJeu()[c.x][c.y] != 0 || p.grilleFixe()[c.x][c.y] != 0; }
bool estNouvelle(const Plateau& p, Case c) { return p.grilleJeu()[c.x][c.y] != 0 && p.grilleFixe()[c.x][c.y] == 0; }

// Clearing keeps the strings' own storage: nothing is allocated per evaluation.
void effacerEvaluation(Evaluation& e) {
    for (auto& mot : e.motH) mot.clear();
    for (auto& mot : e.motV) mot.clear();
    for (auto* table : {&e.aMotH, &e.aMotV, &e.debutH, &e.finH, &e.debutV, &e.finV, &e.motHConnu, &e.motVConnu}) {
        table->fill(0);
    }
    e.pointsH.fill(0);
    e.pointsV.fill(0);
    e.motPrincipalH = 0;
    e.motPrincipalV = 0;
}

NouveauxJetons collecterNouveauxJetons(const Plateau& plateau) {
    NouveauxJetons nouveaux;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (estNouvelle(plateau, {x, y}) && nouveaux.nombre < tailleChevalet) {
                nouveaux.cases[static_cast<std::size_t>(++nouveaux.nombre)] = {x, y};
            }
        }
    }
    return nouveaux;
}

bool toucheUnJetonFixe(const Plateau& plateau, Case c) {
    for (const Case voisine : {Case{c.x, c.y + 1}, Case{c.x, c.y - 1}, Case{c.x + 1, c.y}, Case{c.x - 1, c.y}}) {
        if (surLePlateau(voisine) && plateau.grilleFixe()[voisine.x][voisine.y] != 0) return true;
    }
    return false;
}

// All on the first tile's row or column, with every square between the first and
// the last one filled, by this turn's tiles or committed ones.
bool alignesSansTrou(const Plateau& plateau, const NouveauxJetons& nouveaux) {
    const Case premiere = nouveaux.cases[1];
    bool memeLigne = true;
    bool memeColonne = true;
    for (int i = 2; i <= nouveaux.nombre; ++i) {
        memeLigne = memeLigne && nouveaux.cases[static_cast<std::size_t>(i)].y == premiere.y;
        memeColonne = memeColonne && nouveaux.cases[static_cast<std::size_t>(i)].x == premiere.x;
    }
    if (!memeLigne && !memeColonne) return false;
    const Sens sens = memeLigne ? horizontale : verticale;
    const int dernier = rang(nouveaux.cases[static_cast<std::size_t>(nouveaux.nombre)], sens);
    for (int r = rang(premiere, sens); r <= dernier; ++r) {
        if (!estOccupee(plateau, caseAuRang(premiere, sens, r))) return false;
    }
    return true;
}

// Once the board holds tiles, a move must join them: one of its tiles has a
// committed neighbour (a committed tile inside its span always has one).
bool placementValide(const Partie& partie, const NouveauxJetons& nouveaux) {
    const Plateau& plateau = partie.plateau;
    if (nouveaux.nombre == 1) return toucheUnJetonFixe(plateau, nouveaux.cases[1]);
    if (!alignesSansTrou(plateau, nouveaux)) return false;
    if (partie.plateau.jetonsSurPlateau() == 0) return true;
    for (int i = 1; i <= nouveaux.nombre; ++i) {
        if (toucheUnJetonFixe(plateau, nouveaux.cases[static_cast<std::size_t>(i)])) return true;
    }
    return false;
}

// Stretches the word of tile i both ways while the squares are filled. The word
// that reaches another of this turn's tiles is the main word, taken once; a lone
// tile's words are both main words.
void chercherMot(const Plateau& plateau, const NouveauxJetons& nouveaux, int i, Sens sens, TablesDuSens t) {
    if (t.motPrincipal != 0) return;
    const Case origine = nouveaux.cases[static_cast<std::size_t>(i)];
    const auto franchir = [&](int r) {
        if (estNouvelle(plateau, caseAuRang(origine, sens, r)) || nouveaux.nombre == 1) t.motPrincipal = 1;
        t.aMot[static_cast<std::size_t>(i)] = 1;
    };
    int fin = rang(origine, sens);
    while (fin + 1 <= tailleGrille && estOccupee(plateau, caseAuRang(origine, sens, fin + 1))) franchir(++fin);
    int debut = rang(origine, sens);
    while (debut - 1 >= 1 && estOccupee(plateau, caseAuRang(origine, sens, debut - 1))) franchir(--debut);
    t.debut[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(debut);
    t.fin[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(fin);
}

// Premiums count under this turn's tiles only. Word premiums add up: a double and
// a triple make five times the letters, two triples six.
std::int32_t compterMot(const Partie& partie, Case origine, Sens sens, int debut, int fin, std::string& mot) {
    const Plateau& plateau = partie.plateau;
    std::int32_t lettres = 0;
    std::int32_t multiplicateur = 0;
    for (int r = debut; r <= fin; ++r) {
        const Case c = caseAuRang(origine, sens, r);
        const int fixe = plateau.grilleFixe()[c.x][c.y];
        const int jeton = fixe != 0 ? fixe : plateau.grilleJeu()[c.x][c.y];
        if (fixe != 0) {
            lettres += ValeurJeton[static_cast<std::size_t>(jeton)];
        } else {
            lettres += MultLettre[c.x][c.y] * ValeurJeton[static_cast<std::size_t>(jeton)];
            if (MultMot[c.x][c.y] > 1) multiplicateur += MultMot[c.x][c.y];
        }
        if (mot.size() < tailleGrille) mot.push_back(partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)]);
    }
    return multiplicateur == 0 ? lettres : lettres * multiplicateur;
}

std::int32_t motDuSens(Partie& partie, const NouveauxJetons& nouveaux, int i, Sens sens, TablesDuSens t) {
    chercherMot(partie.plateau, nouveaux, i, sens, t);
    const auto n = static_cast<std::size_t>(i);
    if (t.aMot[n] == 0) return 0;
    t.points[n] = compterMot(partie, nouveaux.cases[n], sens, t.debut[n], t.fin[n], t.mot[n]);
    return t.points[n];
}

std::int32_t compterPoints(Partie& partie, const NouveauxJetons& nouveaux) {
    std::int32_t total = 0;
    for (int i = 1; i <= nouveaux.nombre; ++i) {
        total += motDuSens(partie, nouveaux, i, verticale, tablesV(partie.evaluation));
        total += motDuSens(partie, nouveaux, i, horizontale, tablesH(partie.evaluation));
    }
    return nouveaux.nombre == tailleChevalet ? total + bonusSeptJetons : total;
}

void afficherPoints(Partie& partie) {
    char texte[12];
    const auto fin = std::to_chars(texte, texte + sizeof texte, partie.pointsDuCoup).ptr;
    partie.fenetre.modifier([&](EtatControles& e) { e.epointsdutour.assign(texte, fin); });
}

}  // namespace

bool EvaluerCoup(Partie& partie) {
    effacerEvaluation(partie.evaluation);
    partie.pointsDuCoup = 0;
    const bool finie = partie.deroulement.partieFinie() == partieTerminee;
    if (finie || partie.drapeaux.miseAJourEnCours.load() == 1) return false;

    // With every tile back on the rack nothing is left to condemn: a verdict on
    // tiles taken back would greet the next Jouer with their message.
    const NouveauxJetons nouveaux = collecterNouveauxJetons(partie.plateau);
    const bool juge = nouveaux.nombre > 0;
    partie.placementInvalide = juge ? 1 : 0;
    if (juge && placementValide(partie, nouveaux)) {
        partie.placementInvalide = 0;
        partie.pointsDuCoup = compterPoints(partie, nouveaux);
    }
    afficherPoints(partie);
    return juge && partie.placementInvalide == 0;
}

void OublierPointsDuCoup(Partie& partie) {
    partie.pointsDuCoup = 0;
    afficherPoints(partie);
}

}  // namespace glyphane
