#include "engine/deroulement.h"

#include <utility>

namespace glyphane {

namespace {

bool estSiege(int siege) { return siege >= 1 && siege <= nbSiegesMax; }

}  // namespace

void Deroulement::donnerLaMainA(int siege) {
    if (siege == 0 || estSiege(siege)) courant = static_cast<std::uint8_t>(siege);
}

void Deroulement::finirDistribution() {
    distribue = 1;
    donnerLaMainA(1);
}

void Deroulement::passerLaMain(int nbJoueurs) { donnerLaMainA(courant >= nbJoueurs ? 1 : courant + 1); }

void Deroulement::ajouterPoints(int siege, std::int32_t points) {
    if (estSiege(siege)) scores[static_cast<std::size_t>(siege)] += points;
}

void Deroulement::noterPasse(int siege) {
    if (estSiege(siege)) passes[static_cast<std::size_t>(siege)] = 1;
}

void Deroulement::noterTirageDistribution(int siege, char lettre) {
    if (estSiege(siege)) distribution[static_cast<std::size_t>(siege)] += lettre;
}

Coup& Deroulement::coup(std::int32_t n) {
    const auto indice = static_cast<std::size_t>(n < 0 ? 0 : n);
    if (coups.size() <= indice) coups.resize(indice + 1);
    return coups[indice];
}

void Deroulement::restaurer(std::int32_t numeroTour, int joueurCourant, std::vector<Coup> historique,
                            const ScoresDesSieges& scoresLus, const LettresDesSieges& tirages, bool finie) {
    *this = Deroulement{};
    distribue = 1;
    if (finie) terminerPartie();
    tour = numeroTour;
    donnerLaMainA(joueurCourant);
    coups = std::move(historique);
    scores = scoresLus;
    distribution = tirages;
}

}  // namespace glyphane
