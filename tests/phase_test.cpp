#include "engine/phase.h"

#include <gtest/gtest.h>

#include "engine/fenetre.h"

namespace glyphane {
namespace {

// What a phase shows and enables, in closed style, for a human seat of two.
struct Attendu {
    Phase phase;
    bool nouvellePartie;   // "&Nouvelle partie" and "&Partie Sauvegardée"
    bool recommencer;      // the button, and its menu entry below
    bool menuRecommencer;
    bool jouerMontre;      // "&Jouer" and the exchange button
    bool jouerActif;
    bool panneauEchange;
    bool listeEtVoir;      // the word list and the computer's move, menus and buttons
    bool sauvegarde;
    bool captureImpression;
    bool chrono;
    bool revoir;           // the replay buttons uncovered
    bool couvert;          // the rack's cover
    bool partieMontree;    // names, scores, bag, turn label, points of the move
};

using enum Phase;

constexpr Attendu tableau[] = {
    {sansPartie,       true,  false, false, false, false, false, false, false, false, true,  false, false, false},
    {preparation,      false, false, false, false, false, false, false, false, false, true,  false, false, false},
    {chargement,       false, true,  false, true,  false, false, false, false, false, false, false, true,  true},
    {tourEnCours,      false, true,  true,  true,  false, false, false, false, false, false, false, true,  true},
    {ordinateurJoue,   false, true,  true,  true,  false, false, false, false, false, false, false, true,  true},
    {chevaletCache,    false, true,  true,  true,  false, false, false, true,  true,  false, false, true,  true},
    {attenteMiseAJour, false, true,  true,  true,  false, false, false, true,  true,  false, false, false, true},
    {humainJoue,       false, true,  true,  true,  true,  false, true,  true,  true,  false, false, false, true},
    {echangeOuvert,    false, true,  true,  false, true,  true,  true,  true,  true,  false, false, false, true},
    {partieFinie,      true,  false, false, false, false, false, false, true,  false, true,  true,  false, true},
    {revue,            true,  false, false, true,  false, false, false, false, false, true,  true,  true,  true},
};

TEST(AppliquerPhase, EachPhaseShowsAndEnablesItsControls) {
    const Circonstances ferme{2, false, false, false};
    for (const Attendu& a : tableau) {
        EtatControles e;
        appliquerPhase(e, a.phase, ferme);
        const int n = static_cast<int>(a.phase);
        EXPECT_EQ(e.phase, a.phase);
        EXPECT_EQ(e.commencer.visible && e.commencer.actif, a.nouvellePartie) << n;
        EXPECT_EQ(e.partieSauvegarder.visible, a.nouvellePartie) << n;
        EXPECT_EQ(e.recommencer.visible, a.recommencer) << n;
        EXPECT_EQ(e.menuRecommencer, a.menuRecommencer) << n;
        EXPECT_EQ(e.jouer.visible, a.jouerMontre) << n;
        EXPECT_EQ(e.jouer.visible && e.jouer.actif, a.jouerMontre && a.jouerActif) << n;
        EXPECT_EQ(e.echange.visible && e.echange.actif, a.jouerMontre && a.jouerActif) << n;
        EXPECT_EQ(e.okChangement.visible && e.annulerEchange.visible && e.eechange.visible, a.panneauEchange) << n;
        EXPECT_EQ(e.menuListeDeMot && e.menuVoir, a.listeEtVoir) << n;
        EXPECT_EQ(e.menuListeDeMot || e.menuVoir, a.listeEtVoir) << n;
        EXPECT_EQ(e.menuSauvegarde, a.sauvegarde) << n;
        EXPECT_EQ(e.menuCapture && e.menuImprimer, a.captureImpression) << n;
        EXPECT_EQ(e.menuChrono && e.buttonChrono.actif, a.chrono) << n;
        EXPECT_EQ(!e.cacheBoutonRevoir.visible, a.revoir) << n;
        EXPECT_EQ(e.cacheLettres.visible, a.couvert) << n;
        EXPECT_EQ(e.ejoueur.visible && e.pointsDuTour.visible && e.sac.visible, a.partieMontree) << n;
        EXPECT_EQ(e.nomJoueur[2].visible && e.pointJoueur[2].visible, a.partieMontree) << n;
        EXPECT_FALSE(e.nomJoueur[3].visible || e.pointJoueur[3].visible) << n;
    }
}

TEST(AppliquerPhase, InOpenStyleOnlyAHumansCoveredRackIsCovered) {
    for (const Attendu& a : tableau) {
        EtatControles e;
        appliquerPhase(e, a.phase, {4, true, true, false});
        EXPECT_EQ(e.cacheLettres.visible, a.phase == Phase::chevaletCache) << static_cast<int>(a.phase);
        EXPECT_EQ(e.nomJoueur[4].visible, a.partieMontree);
    }
}

TEST(AppliquerPhase, TheCaptionsFollowTheSeatAndTheBag) {
    EtatControles e;
    appliquerPhase(e, Phase::ordinateurJoue, {2, false, true, true});
    EXPECT_EQ(e.captionCacheLettres, captionCacheOrdinateur);
    EXPECT_EQ(e.captionEchange, captionPasser);
    appliquerPhase(e, Phase::chevaletCache, {2, false, false, false});
    EXPECT_EQ(e.captionCacheLettres, captionCacheHumain);
    EXPECT_EQ(e.captionEchange, captionEchangerNouvellePartie);
}

TEST(AppliquerPhase, LeavesTheDataAsItIs) {
    EtatControles e;
    e.memo1 = {LigneMot{}};
    e.epointsdutour = "12";
    e.enbLettreDispo = "40";
    e.progression = 7;
    e.fenetreActive = false;
    e.emiseajour.visible = true;
    e.chronoEnMarche = true;
    e.memoCache.visible = false;
    appliquerPhase(e, Phase::sansPartie, {});
    EXPECT_EQ(e.memo1.size(), 1u);
    EXPECT_EQ(e.epointsdutour, "12");
    EXPECT_EQ(e.enbLettreDispo, "40");
    EXPECT_EQ(e.progression, 7);
    EXPECT_FALSE(e.fenetreActive || e.memoCache.visible);
    EXPECT_TRUE(e.emiseajour.visible && e.chronoEnMarche);
}

}  // namespace
}  // namespace glyphane
