#include "engine/chrono.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace glyphane {

namespace {

struct Champs {
    int heures = 0;
    int minutes = 0;
    int secondes = 0;
};

std::optional<int> deuxChiffres(std::string_view texte, std::size_t debut) {
    int valeur = 0;
    const char* premier = texte.data() + debut;
    const auto [fin, erreur] = std::from_chars(premier, premier + 2, valeur);
    if (erreur != std::errc{} || fin != premier + 2) return std::nullopt;
    return valeur;
}

std::optional<Champs> lire(std::string_view temps) {
    if (temps.size() != 8 || temps[2] != ':' || temps[5] != ':') return std::nullopt;
    const auto h = deuxChiffres(temps, 0);
    const auto m = deuxChiffres(temps, 3);
    const auto s = deuxChiffres(temps, 6);
    if (!h || !m || !s) return std::nullopt;
    return Champs{*h, *m, *s};
}

std::string deuxChiffres(int valeur) { return (valeur < 10 ? "0" : "") + std::to_string(valeur); }

std::string ecrire(const Champs& c) {
    return deuxChiffres(c.heures) + ':' + deuxChiffres(c.minutes) + ':' + deuxChiffres(c.secondes);
}

bool siegeValide(int siege) { return siege >= 1 && siege <= nbSiegesMax; }

template <std::size_t N>
int indexDeLimite(const std::array<ChoixTemps, N>& choix, std::string_view limite, int parDefaut) {
    const auto it = std::find_if(choix.begin(), choix.end(), [&](const ChoixTemps& c) { return c.limite == limite; });
    return it == choix.end() ? parDefaut : static_cast<int>(it - choix.begin());
}

template <std::size_t N>
std::string_view limiteDe(const std::array<ChoixTemps, N>& choix, int index) {
    return choix[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))].limite;
}

}  // namespace

std::string Decompter(std::string_view temps) {
    std::optional<Champs> c = lire(temps);
    if (!c) return std::string(temps);
    if (c->secondes > 0) {
        --c->secondes;
    } else if (c->minutes > 0) {
        --c->minutes;
        c->secondes = 59;
    } else if (c->heures > 0) {
        --c->heures;
        c->minutes = 59;
        c->secondes = 59;
    }
    return ecrire(*c);
}

std::string TexteLcj(std::string_view decompte) {
    return decompte.size() == 8 ? std::string(decompte.substr(3)) : std::string(decompte);
}

bool LcjEnRouge(std::string_view decompte) {
    const std::optional<Champs> c = lire(decompte);
    return c && c->heures == 0 && c->minutes == 0 && c->secondes < 20 && c->secondes % 2 == 1;
}

TicChrono TicDuChrono(EtatControles& e, int siege) {
    const bool total = e.chronoTotal && siegeValide(siege);
    if (total) e.tempsTotal[static_cast<std::size_t>(siege)] = Decompter(e.tempsTotal[static_cast<std::size_t>(siege)]);
    if (e.chronoParTour) e.decompteTour = Decompter(e.decompteTour);
    const bool tourEcoule = !e.chronoParTour || e.decompteTour == tempsEcoule;
    const bool totalEcoule = !total || e.tempsTotal[static_cast<std::size_t>(siege)] == tempsEcoule;
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
        e.limiteChronoTour = std::string(limiteDe(choixParTour, choix.tour));
        e.decompteTour = e.limiteChronoTour;
    }
    if (partieEnCours) return;
    e.chronoTotal = choix.total;
    if (!choix.total) return;
    e.limiteChronoTotal = std::string(limiteDe(choixTotal, choix.totalChoisi));
    RemettreTotaux(e);
}

void RemettreTotaux(EtatControles& e) {
    for (int s = 1; s <= nbSiegesMax; ++s) e.tempsTotal[static_cast<std::size_t>(s)] = e.limiteChronoTotal;
}

}  // namespace glyphane
