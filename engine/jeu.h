#pragma once
#include <filesystem>

#include "engine/cadence.h"
#include "engine/hasard.h"
#include "engine/partie.h"
#include "engine/vue.h"
#include "lexicon/fichiers_temporaires.h"
#include "lexicon/trie.h"

namespace glyphane {

// Where the turn controller hands over to the computer player. The engine knows
// only this interface; the computer player's library implements it.
class CrochetsOrdinateur {
public:
    virtual ~CrochetsOrdinateur() = default;
    // After a committed move of nbPoses tiles: invalidate, enumerate the new
    // segments and start the background update.
    virtual void miseAJourApresCoup(int nbPoses) = 0;
    // A tile committed to square (x, y), by a move or a load: the computer
    // player reads the board from its own rows, kept as the tiles come.
    virtual void jetonFixe(int x, int y, char lettre, int valeur) = 0;
    // A human's first move: the seeds laid for a computer's first move are of no
    // use, the update after the move builds the lists from the board.
    virtual void oublierModelesPremierCoup() = 0;
    // Give the human the turn controls back once the update is over.
    virtual void attendreFinMiseAJour() = 0;
    // Play the current seat, which is a computer seat.
    virtual void demarrerTourOrdinateur() = 0;
    // A new game: empty the lists and the board rows, optionally seed the lists
    // for the first move.
    virtual void reinitialiser(bool avecModeles) = 0;
    // A loaded game in progress: the segments of every occupied square, then the
    // update, as after a move (the caller has raised miseAJourEnCours).
    virtual void miseAJourApresChargement() = 0;
    // Quit or restart: every thread stops and is joined; nothing starts again
    // until reinitialiser().
    virtual void arreter() = 0;
};

// Where the turn controller hands the game over to whoever keeps it on disk
// between turns, so that a crash loses at most the turn being played. The
// persistence library implements it; without one nothing is kept.
class CrochetsPartieEnCours {
public:
    virtual ~CrochetsPartieEnCours() = default;
    // A turn is over and the game goes on. The calling thread owns the model
    // until it returns: the next seat has its rack but does not play yet.
    virtual void tourTermine(const Partie& partie) = 0;
    // The game is over: nothing is left to take up.
    virtual void partieFinie() = 0;
};

// One game and everything it works with. Two games in one process do not share
// anything but the dictionary.
struct Jeu {
    Jeu(LexiconTrie& trieDuJeu, Vue& vueDuJeu, Hasard& hasardDuJeu, Cadence& cadenceDuJeu,
        std::filesystem::path dossierProgramme)
        : trie(trieDuJeu), vue(vueDuJeu), hasard(hasardDuJeu), cadence(cadenceDuJeu),
          dossier(std::move(dossierProgramme)), temporaires(dossier) {}

    Partie partie;
    LexiconTrie& trie;
    Vue& vue;
    Hasard& hasard;
    Cadence& cadence;
    std::filesystem::path dossier;
    // The computer player's word files, this game's own.
    FichiersTemporaires temporaires;
    CrochetsOrdinateur* ordinateur = nullptr;
    CrochetsPartieEnCours* partieEnCours = nullptr;
};

}  // namespace glyphane
