#include "engine/sieges.h"

#include <utility>

namespace glyphane {

namespace {

bool estSiege(int siege) { return siege >= 1 && siege <= nbSiegesMax; }

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

}  // namespace

void Sieges::fixerNombreJoueurs(int n) {
    if (n >= 0 && n <= nbSiegesMax) nombre = static_cast<std::uint8_t>(n);
}

void Sieges::nommer(int siege, std::string nom) {
    if (estSiege(siege)) noms[indice(siege)] = std::move(nom);
}

void Sieges::confierALOrdinateur(int siege, bool ordinateur) {
    if (estSiege(siege)) ordinateurs[indice(siege)] = ordinateur ? 1 : 0;
}

void Sieges::reordonner(const RangsDesSieges& rang) {
    const NomsDesSieges avant = noms;
    const OrdinateursDesSieges ordinateursAvant = ordinateurs;
    for (int s = 1; s <= nombre; ++s) {
        nommer(rang[indice(s)], avant[indice(s)]);
        confierALOrdinateur(rang[indice(s)], ordinateursAvant[indice(s)] != 0);
    }
}

}  // namespace glyphane
