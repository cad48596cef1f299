#include "ui/chrono_fenetre.h"

#include "engine/chrono.h"
#include "ui/dialogues/dialogues.h"
#include "ui/sons.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

void ChronoClick(Jeu& jeu, VueQt& vue) {
    const ChoixChrono choix = ChoisirChronoDialogue(vue.contexte(), ChoixActuel(jeu.partie.fenetre.copie()));
    const bool partieEnCours = vue.instantane().partieEnCours;
    jeu.partie.fenetre.modifier([&](EtatControles& e) { AppliquerChoixChrono(e, choix, partieEnCours); });
    vue.ActualiserControles();
}

// The seat is read from the window's copy of the model: the computer's thread
// may be changing the model itself while its own turn is timed.
void TicChronoFenetre(Jeu& jeu, VueQt& vue, Sons& sons) {
    const int siege = vue.instantane().joueurCourant;
    TicChrono tic;
    jeu.partie.fenetre.modifier([&](EtatControles& e) { tic = TicDuChrono(e, siege); });
    if (tic.bip) sons.bip();
    vue.ActualiserControles();
}

}  // namespace glyphane::ui
