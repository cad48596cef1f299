#include "ui/instantane.h"

namespace glyphane::ui {

Instantane capturer(const Partie& partie) {
    Instantane instantane;
    instantane.images = partie.ecran.images;
    instantane.lettres = partie.plateau.LettreJeton();
    for (int t = 1; t <= nbJetons; ++t) {
        const char montree = partie.ecran.lettreMontree[static_cast<std::size_t>(t)];
        if (montree != 0) instantane.lettres[static_cast<std::size_t>(t)] = montree;
    }
    instantane.grilleSuggestion = partie.ecran.grilleSuggestion;
    instantane.grilleDernierCoup = partie.grilleDernierCoup;
    instantane.surlignageSuggestion = partie.ecran.surlignageSuggestion;
    instantane.surlignageDernierCoup = partie.ecran.surlignageDernierCoup;
    instantane.nbJoueurs = partie.sieges.nbJoueurs();
    instantane.joueurCourant = partie.deroulement.joueurCourant();
    instantane.noms = partie.sieges.nom();
    instantane.scores = partie.deroulement.score();
    const Deroulement& deroulement = partie.deroulement;
    instantane.partieEnCours = deroulement.distributionFaite() == 1 && deroulement.partieFinie() != partieTerminee;
    const int siege = partie.deroulement.joueurCourant();
    instantane.tourOrdinateur =
        instantane.partieEnCours && siege >= 1 && siege <= nbSiegesMax && partie.sieges.estOrdinateur()[siege] != 0;
    return instantane;
}

}  // namespace glyphane::ui
