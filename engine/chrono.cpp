#include "engine/chrono.h"

#include <algorithm>

namespace glyphane {

namespace {

std::string deuxChiffres(int valeur) { return (valeur < 10 ? "0" : "") + std::to_string(valeur); }

// Counting down stops at zero.
void decompter(int& secondes) {
    if (secondes > 0) --secondes;
}

bool siegeValide(int siege) { return siege >= 1 && siege <= nbSiegesMax; }

template <std::size_t N>
int indexDeLimite(const std::array<ChoixTemps, N>& choix, int limite, int parDefaut) {
    const auto it = std::find_if(choix.begin(), choix.end(), [&](const ChoixTemps& c) { return c.limite == limite; });
    return it == choix.end() ? parDefaut : static_cast<int>(it - choix.begin());
}

template <std::size_t N>
int limiteDe(const std::array<ChoixTemps, N>& choix, int index) {
    return choix[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))].limite;
}

}  // namespace

std::string TexteTemps(int secondes) {
    return deuxChiffres(secondes / 3600) + ':' + TexteLcj(secondes % 3600);
}

std::string TexteLcj(int decompte) { return deuxChiffres(decompte / 60) + ':' + deuxChiffres(decompte % 60); }

bool LcjEnRouge(int decompte) { return decompte < 20 && decompte % 2 == 1; }

TicChrono TicDuChrono(EtatControles& e, int siege) {
    const bool total = e.chronoTotal && siegeValide(siege);
    if (total) decompter(e.tempsTotal[static_cast<std::size_t>(siege)]);
    if (e.chronoParTour) decompter(e.decompteTour);
    const bool tourEcoule = !e.chronoParTour || e.decompteTour == 0;
    const bool totalEcoule = !total || e.tempsTotal[static_cast<std::size_t>(siege)] == 0;
    if (tourEcoule && totalEcoule) {
        e.chronoEnMarche = false;
        return {false, true};
    }
    return {e.chronoParTour && LcjEnRouge(e.decompteTour), false};
}

ChoixChrono ChoixActuel(const EtatControles& e) {
    const ChoixChrono parDefaut;
    return {e.chronoParTour, indexDeLimite(choixParTour, e.limiteChronoTour, parDefaut.tour), e.chronoTotal,
            indexDeLimite(choixTotal, e.limiteChronoTotal, parDefaut.totalChoisi)};
}

void AppliquerChoixChrono(EtatControles& e, const ChoixChrono& choix, bool partieEnCours) {
    e.chronoParTour = choix.parTour;
    if (choix.parTour) {
        e.limiteChronoTour = limiteDe(choixParTour, choix.tour);
        e.decompteTour = e.limiteChronoTour;
    }
    if (partieEnCours) return;
    e.chronoTotal = choix.total;
    if (!choix.total) return;
    e.limiteChronoTotal = limiteDe(choixTotal, choix.totalChoisi);
    RemettreTotaux(e);
}

void RemettreTotaux(EtatControles& e) {
    for (int s = 1; s <= nbSiegesMax; ++s) e.tempsTotal[static_cast<std::size_t>(s)] = e.limiteChronoTotal;
}

}  // namespace glyphane
