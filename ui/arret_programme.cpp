#include "ui/arret_programme.h"

#include <QCoreApplication>

#include "engine/nouvelle_partie.h"
#include "ui/couleur_fond.h"
#include "ui/fenetre_principale.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

ArretProgramme::ArretProgramme(Jeu& jeuArrete, VueQt& vueDuJeu, FenetrePrincipale& fenetreDuJeu,
                               JoueurOrdinateur& joueurDuJeu)
    : jeu(jeuArrete), vue(vueDuJeu), fenetre(fenetreDuJeu), joueur(joueurDuJeu) {}

void ArretProgramme::Quitter() {
    if (termine || !ConfirmerQuitter(vue.contexte())) return;
    Nettoyer();
}

// The window thread waits for the computer's threads here while handling their
// requests; a request for a dialog must not wait for it in turn, so each gets its
// neutral answer at once.
void ArretProgramme::arreterOrdinateur() {
    vue.repondreSansAttendre(true);
    joueur.arreter();
}

void ArretProgramme::Recommencer() {
    if (termine || !ConfirmerRecommencer(vue.contexte())) return;
    fenetre.setEnabled(false);
    arreterOrdinateur();
    vue.repondreSansAttendre(false);
    ReinitialiserPartie(jeu, true);
    fenetre.setEnabled(true);
}

void ArretProgramme::Nettoyer() {
    if (termine) return;
    termine = true;
    fenetre.setEnabled(false);
    arreterOrdinateur();
    ecrireFichierCouleur(jeu.dossier, fenetre.couleurFond());
    jeu.temporaires.vider();
    fenetre.autoriserFermeture();
    fenetre.close();
    QCoreApplication::quit();
}

}  // namespace glyphane::ui
