#include "engine/chevalets.h"

namespace glyphane {

namespace {

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

bool siegeValide(int siege) { return siege >= 1 && siege <= nbSiegesMax; }
bool casierValide(int casier) { return casier >= 1 && casier <= tailleChevalet; }
bool jetonValide(int jeton) { return jeton >= 1 && jeton <= nbJetons; }

}  // namespace

bool Chevalet::ranger(int siege, int jeton, int casier) {
    if (!siegeValide(siege) || !casierValide(casier) || !jetonValide(jeton)) return false;
    for (int s = 1; s <= nbSiegesMax; ++s) {
        const int ailleurs = duJeton[indice(s)][indice(jeton)];
        if (ailleurs != 0 && (s != siege || ailleurs != casier)) return false;
    }
    auto& casiers = duJeton[indice(siege)];
    const int ancien = chevalet[indice(siege)][indice(casier)];
    if (ancien != 0 && casiers[indice(ancien)] == casier) casiers[indice(ancien)] = 0;
    chevalet[indice(siege)][indice(casier)] = static_cast<std::uint8_t>(jeton);
    occupee[indice(siege)][indice(casier)] = 1;
    casiers[indice(jeton)] = static_cast<std::uint8_t>(casier);
    return true;
}

void Chevalet::sortir(int siege, int jeton) {
    if (!siegeValide(siege) || !jetonValide(jeton)) return;
    std::uint8_t& casier = duJeton[indice(siege)][indice(jeton)];
    if (casierValide(casier)) chevalet[indice(siege)][casier] = 0;
    casier = 0;
}

void Chevalet::rendre(int siege, int jeton) {
    if (siegeValide(siege) && jetonValide(jeton)) duJeton[indice(siege)][indice(jeton)] = 0;
}

void Chevalet::libererCasier(int siege, int casier) {
    if (siegeValide(siege) && casierValide(casier)) occupee[indice(siege)][indice(casier)] = 0;
}

void Chevalet::viderCasier(int siege, int casier) {
    if (!siegeValide(siege) || !casierValide(casier)) return;
    const int jeton = chevalet[indice(siege)][indice(casier)];
    if (jeton != 0 && duJeton[indice(siege)][indice(jeton)] == casier) duJeton[indice(siege)][indice(jeton)] = 0;
    chevalet[indice(siege)][indice(casier)] = 0;
    occupee[indice(siege)][indice(casier)] = 0;
}

void Chevalet::restaurer(int siege, const CasiersDesJetons& casiers, const Casiers& occupees) {
    if (!siegeValide(siege)) return;
    for (int j = 1; j <= tailleChevalet; ++j) viderCasier(siege, j);
    for (int t = 1; t <= nbJetons; ++t) {
        if (casiers[indice(t)] != 0) ranger(siege, t, casiers[indice(t)]);
    }
    occupee[indice(siege)] = occupees;
}

}  // namespace glyphane
