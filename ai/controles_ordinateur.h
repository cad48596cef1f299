#pragma once
#include <string>

#include "engine/partie.h"

// What the computer player reads from the shared flags and writes to the
// window's controls. The controls sit behind their own lock, so these can be
// called from the computer's thread as well as from the window's.
namespace glyphane {

inline bool arretDemande(const Partie& partie) { return partie.drapeaux.arretDemande.load() == 1; }

inline bool estSiegeOrdinateur(const Partie& partie) {
    return partie.deroulement.joueurCourant() >= 1 && partie.deroulement.joueurCourant() <= nbSiegesMax &&
           partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] != 0;
}

inline bool chevaletContient(const Partie& partie, int jeton) {
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (casiers[j] == jeton) return true;
    }
    return false;
}

void fixerProgression(Partie& partie, int position);
void activerFenetre(Partie& partie, bool active);

// A menu entry (&EtatControles::menuVoir...): the matching button acts only
// while it is enabled.
bool menuActif(Partie& partie, bool EtatControles::*entree);
void activerMenu(Partie& partie, bool EtatControles::*entree, bool actif);

// The strength of every computer seat, 1 to niveauMeilleur.
int niveauCourant(Partie& partie);

// The text length of the word list as the window's memo counts it, a line
// break counting two characters.
std::size_t longueurTexteMemo(Partie& partie);

}  // namespace glyphane
