#include "engine/affichage.h"

#include "engine/chevalet.h"
#include "engine/chrono.h"

namespace glyphane {

namespace {

void montrer(Controle& c) { c = {true, true}; }
void cacher(Controle& c) { c.visible = false; }

void boutonsDuTour(EtatControles& e, bool visible, bool actifs) {
    e.echange = {visible, actifs};
    e.jouer = {visible, actifs};
}

void cacherPanneauEchange(EtatControles& e) {
    cacher(e.eechange);
    cacher(e.okChangement);
    cacher(e.annulerEchange);
}

void sauvegardeImpressionCapture(EtatControles& e, bool actifs) {
    e.menuSauvegarde = actifs;
    e.menuImprimer = actifs;
    e.menuCapture = actifs;
}

// What the window shows when it may start a game: a fresh one or after the end.
void partieAOuvrir(EtatControles& e) {
    montrer(e.commencer);
    montrer(e.partieSauvegarder);
    cacher(e.recommencer);
    e.menuRecommencer = false;
    cacher(e.echange);
    cacher(e.jouer);
    cacherPanneauEchange(e);
    e.menuChrono = true;
    e.buttonChrono.actif = true;
    cacher(e.cacheLettres);
    e.progression = 0;
    e.fenetreActive = true;
}

void sansPartie(EtatControles& e) {
    partieAOuvrir(e);
    sauvegardeImpressionCapture(e, false);
    for (Controle* c : {&e.emiseajour, &e.ejoueur, &e.pointsDuTour, &e.sac}) cacher(*c);
    for (int s = 1; s <= nbSiegesMax; ++s) {
        cacher(e.nomJoueur[s]);
        cacher(e.pointJoueur[s]);
        cacher(e.ltg[s]);
    }
    cacher(e.lcj);
    e.chronoEnMarche = false;
    // Without a game there is nothing to replay.
    montrer(e.cacheBoutonRevoir);
}

void tourEnCours(EtatControles& e) {
    boutonsDuTour(e, true, false);
    montrer(e.recommencer);
    e.menuRecommencer = true;
    montrer(e.ejoueur);
    montrer(e.pointsDuTour);
    cacher(e.okChangement);
    cacher(e.annulerEchange);
    e.menuListeDeMot = false;
    e.menuVoir = false;
    sauvegardeImpressionCapture(e, false);
    e.fenetreActive = true;
}

// In closed style the turn's controls wait for the click on the rack's cover.
void humainJoue(EtatControles& e, bool styleOuvert) {
    sauvegardeImpressionCapture(e, true);
    e.memo1.clear();
    montrer(e.memoCache);
    if (!styleOuvert) return;
    e.echange.actif = true;
    e.jouer.actif = true;
    e.menuListeDeMot = true;
    e.menuVoir = true;
    if (e.chronoParTour || e.chronoTotal) e.chronoEnMarche = true;
}

void revoir(EtatControles& e) {
    boutonsDuTour(e, false, false);
    e.menuNiveau = false;
    e.menuListeDeMot = false;
    e.menuVoir = false;
    sauvegardeImpressionCapture(e, false);
    e.recommencer.actif = false;
    e.menuRecommencer = false;
    e.menuChrono = false;
    e.buttonChrono.actif = false;
}

void debutPartie(EtatControles& e, int nbJoueurs) {
    cacher(e.commencer);
    cacher(e.partieSauvegarder);
    montrer(e.recommencer);
    e.menuChrono = false;
    e.buttonChrono.actif = false;
    boutonsDuTour(e, true, false);
    cacher(e.eechange);
    e.memo1.clear();
    for (Controle* c : {&e.ejoueur, &e.pointsDuTour, &e.sac}) montrer(*c);
    e.epointsdutour.clear();
    for (int s = 1; s <= nbSiegesMax; ++s) {
        e.nomJoueur[s].visible = s <= nbJoueurs;
        e.pointJoueur[s].visible = s <= nbJoueurs;
        e.ltg[s].visible = e.chronoTotal && s <= nbJoueurs;
    }
    // A game left by a restart must not hand its used time to the next one.
    if (e.chronoTotal) RemettreTotaux(e);
}

void miseAJour(EtatControles& e, bool enCours) {
    e.emiseajour.visible = enCours;
    e.progression = 0;
}

}  // namespace

void AfficherEtat(Partie& partie, int mode) {
    const bool styleOuvert = partie.styleOuvert != 0;
    const int nbJoueurs = partie.nbJoueurs;
    partie.fenetre.modifier([&](EtatControles& e) {
        switch (mode) {
            case etatSansPartie: sansPartie(e); break;
            case etatTourEnCours: tourEnCours(e); break;
            case etatPartieFinie: partieAOuvrir(e); break;
            case etatDebutMiseAJour: miseAJour(e, true); break;
            case etatFinMiseAJour: miseAJour(e, false); break;
            case etatHumainJoue: humainJoue(e, styleOuvert); break;
            case etatRevoir: revoir(e); break;
            case etatDebutPartie: debutPartie(e, nbJoueurs); break;
            default: break;
        }
    });
}

void AfficherChevalet(Partie& partie) {
    const int siege = partie.deroulement.joueurCourant();
    const bool ordinateur = partie.estOrdinateur[siege] != 0;
    const bool ouvert = partie.styleOuvert != 0;
    for (ImageJeton& image : partie.ecran.images) {
        if (image.deplacable) image.visible = false;
    }
    RemettreJetonsAuChevalet(partie, ouvert || !ordinateur);
    const std::string nom = partie.nom[siege];
    partie.fenetre.modifier([&](EtatControles& e) {
        e.captionEjoueur = nom;
        e.cacheLettres.visible = !ouvert;
        e.captionCacheLettres = ordinateur ? captionCacheOrdinateur : captionCacheHumain;
    });
    partie.chevaletDuTour = partie.chevalet.caseChevalet()[siege];
    partie.nbJetonsEchanges = 0;
    partie.plateau.retirerPoses();
}

void EffacerSuggestion(Partie& partie) {
    partie.ecran.grilleSuggestion = {};
    partie.ecran.surlignageSuggestion = false;
}

void DonnerStyle(Partie& partie, bool ouvert) {
    partie.styleOuvert = ouvert ? 1 : 0;
    partie.fenetre.modifier([&](EtatControles& e) {
        e.captionStyleDeJeu = ouvert ? "Style Ouvert" : "Style Fermé";
        e.captionStyleb = ouvert ? "st&yle ouvert" : "st&yle fermé";
    });
}

}  // namespace glyphane
