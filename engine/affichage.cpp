#include "engine/affichage.h"

#include "engine/chevalet.h"
#include "engine/chrono.h"
#include "engine/tirage.h"

namespace glyphane {

namespace {

Circonstances circonstancesDe(const Partie& partie) {
    const std::size_t siege = partie.deroulement.joueurCourant();
    const Sieges& sieges = partie.sieges;
    return {sieges.nbJoueurs(), sieges.styleOuvert() != 0, siege <= nbSiegesMax && sieges.estOrdinateur()[siege] != 0,
            sacVide(partie)};
}

}  // namespace

void EntrerDansPhase(Partie& partie, Phase phase) {
    const Circonstances c = circonstancesDe(partie);
    partie.fenetre.modifier([&](EtatControles& e) { appliquerPhase(e, phase, c); });
}

bool ChangerDePhase(Partie& partie, Phase depuis, Phase vers) {
    bool change = false;
    partie.fenetre.modifier([&](EtatControles& e) {
        change = e.phase == depuis;
        if (change) appliquerPhase(e, vers, e.circonstances);
    });
    return change;
}

void AfficherSansPartie(Partie& partie) {
    EntrerDansPhase(partie, Phase::sansPartie);
    partie.fenetre.modifier([](EtatControles& e) {
        e.emiseajour.visible = false;
        for (int s = 1; s <= nbSiegesMax; ++s) e.ltg[static_cast<std::size_t>(s)].visible = false;
        e.lcj.visible = false;
        e.chronoEnMarche = false;
        e.progression = 0;
        e.fenetreActive = true;
    });
}

void AfficherDebutPartie(Partie& partie) {
    const int nbJoueurs = partie.sieges.nbJoueurs();
    partie.fenetre.modifier([&](EtatControles& e) {
        e.memo1.clear();
        e.epointsdutour.clear();
        for (int s = 1; s <= nbSiegesMax; ++s) {
            e.ltg[static_cast<std::size_t>(s)].visible = e.chronoTotal && s <= nbJoueurs;
        }
        // A game left by a restart must not hand its used time to the next one.
        if (e.chronoTotal) RemettreTotaux(e);
    });
}

void OuvrirTourHumain(Partie& partie) {
    const bool ouvert = partie.sieges.styleOuvert() != 0;
    EntrerDansPhase(partie, ouvert ? Phase::humainJoue : Phase::chevaletCache);
    partie.fenetre.modifier([&](EtatControles& e) {
        e.memo1.clear();
        e.memoCache.visible = true;
        if (ouvert && (e.chronoParTour || e.chronoTotal)) e.chronoEnMarche = true;
    });
}

void AfficherMiseAJour(Partie& partie, bool enCours) {
    partie.fenetre.modifier([enCours](EtatControles& e) {
        e.emiseajour.visible = enCours;
        e.progression = 0;
    });
}

void AfficherChevalet(Partie& partie) {
    const int siege = partie.deroulement.joueurCourant();
    const bool ordinateur = partie.sieges.estOrdinateur()[siege] != 0;
    const bool ouvert = partie.sieges.styleOuvert() != 0;
    for (ImageJeton& image : partie.ecran.images) {
        if (image.deplacable) image.visible = false;
    }
    RemettreJetonsAuChevalet(partie, ouvert || !ordinateur);
    const std::string nom = partie.sieges.nom()[siege];
    partie.fenetre.modifier([&](EtatControles& e) { e.captionEjoueur = nom; });
    // The cover and its caption follow the seat now shown.
    EntrerDansPhase(partie, partie.fenetre.phase());
    partie.chevaletDuTour = partie.chevalet.caseChevalet()[siege];
    partie.nbJetonsEchanges = 0;
    partie.plateau.retirerPoses();
}

void EffacerSuggestion(Partie& partie) {
    Ecran& ecran = partie.ecran;
    ecran.grilleSuggestion = {};
    ecran.surlignageSuggestion = false;
    for (auto emprunt = ecran.empruntes.rbegin(); emprunt != ecran.empruntes.rend(); ++emprunt) {
        ecran.images[static_cast<std::size_t>(emprunt->first)] = emprunt->second;
    }
    ecran.empruntes.clear();
    ecran.lettreMontree.fill(0);
}

void DonnerStyle(Partie& partie, bool ouvert) {
    partie.sieges.choisirStyle(ouvert);
    partie.fenetre.modifier([&](EtatControles& e) {
        e.captionStyleDeJeu = ouvert ? "Style Ouvert" : "Style Fermé";
        e.captionStyleb = ouvert ? "st&yle ouvert" : "st&yle fermé";
    });
}

}  // namespace glyphane
