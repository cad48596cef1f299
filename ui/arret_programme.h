#pragma once
#include "ai/joueur_ordinateur.h"
#include "engine/jeu.h"

// Quitting and restarting: each asks first, then stops the computer player and
// waits for its threads before anything of the game is touched.
namespace glyphane::ui {

class FenetrePrincipale;
class VueQt;

class ArretProgramme {
public:
    ArretProgramme(Jeu& jeu, VueQt& vue, FenetrePrincipale& fenetre, JoueurOrdinateur& joueur);

    // "Êtes-vous sûr de vouloir quitter ?", then the clean-up and the end.
    void Quitter();
    // "Êtes-vous sûr de vouloir recommencer ?", then the game goes back to its
    // start with nothing running.
    void Recommencer();
    // Stops every thread, keeps the colour, removes the temporary word files and
    // ends the program's event loop.
    void Nettoyer();

private:
    void arreterOrdinateur();

    Jeu& jeu;
    VueQt& vue;
    FenetrePrincipale& fenetre;
    JoueurOrdinateur& joueur;
    bool termine = false;
};

}  // namespace glyphane::ui
