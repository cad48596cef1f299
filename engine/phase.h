#pragma once

// Where the game stands, as far as the window's controls are concerned. The
// game keeps its phase with the controls (EtatControles::phase) and sets it at
// each step; the controls follow from it and from a few facts of the game, so
// nothing has to read a control back to learn where the game is.
namespace glyphane {

struct EtatControles;

enum class Phase {
    sansPartie,        // start-up, a reset, a file that could not be loaded
    preparation,       // the new game's dialogs, or the choice of a file to load
    chargement,        // a game read from a file, shown while its possibilities are rebuilt
    tourEnCours,       // the deal, or a human's move being committed and the next seat readied
    ordinateurJoue,    // a computer seat's turn, its move committed included
    chevaletCache,     // closed style: a human's rack stays covered until clicked
    attenteMiseAJour,  // a human's turn whose controls wait for the possibility update
    humainJoue,        // a human may play
    echangeOuvert,     // the exchange panel is open
    partieFinie,       // a game played to its end, open to replay
    revue,             // a finished game loaded from a file, open to replay
};

// The facts besides the phase that the controls show.
struct Circonstances {
    int nbJoueurs = 0;
    bool styleOuvert = true;
    bool siegeOrdinateur = false;  // the seat whose rack is shown
    bool sacVide = false;          // from then on the exchange button passes
};

// Sets every control whose state the phase decides (which are shown and
// enabled, the menu entries, the captions fixed by the phase) and records the
// phase and its facts. What is data (scores, the bag count, the points of the
// move, the word list, the progress bar, the chrono's times, the window's
// enabling while a dialog or a search runs) is left as it is.
void appliquerPhase(EtatControles& e, Phase phase, const Circonstances& c);

}  // namespace glyphane
