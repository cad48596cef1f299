#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "engine/jetons.h"
#include "engine/ligne_mot.h"
#include "engine/phase.h"

// What the window shows besides the board: which controls are shown and enabled,
// and the captions that carry values. The game writes it from whichever thread owns
// the turn, and the update threads write it too, so it sits behind its own lock;
// the window reads a copy. The game's phase lives here too: a phase and the
// controls it decides change together, under the one lock, whichever thread
// moves the game on.
namespace glyphane {

struct Controle {
    bool visible = false;
    bool actif = true;
};

// The computer seats' strength runs from 1, the weakest, to this, the best.
inline constexpr int niveauMeilleur = 5;

inline constexpr const char* captionEchanger = "&Echanger des lettres";
// A new game gives the button this caption, not the one it starts with.
inline constexpr const char* captionEchangerNouvellePartie = "Échanger des lettres";
inline constexpr const char* captionPasser = "Passer un tour";
inline constexpr const char* captionCacheHumain = "Cliquez ici pour voir vos lettre !";
inline constexpr const char* captionCacheOrdinateur = " ";

struct EtatControles {
    // The controls below that the phase decides follow from these two
    // (appliquerPhase); the others are data.
    Phase phase = Phase::sansPartie;
    Circonstances circonstances;

    Controle commencer{true, true};          // "&Nouvelle partie"
    Controle partieSauvegarder{true, true};  // "&Partie Sauvegardée"
    Controle recommencer;
    Controle jouer;
    Controle echange;
    Controle okChangement;
    Controle annulerEchange;
    Controle eechange;         // "Déplacez les lettres pour les remplacer"
    Controle emiseajour;       // "Mise à jour des possibilités"
    Controle ejoueur;          // the turn label
    Controle pointsDuTour;     // "Points du tour" and its value
    Controle sac;              // "Nombre de lettres disponibles" and its value
    Controle cacheLettres;     // the cover over a hidden rack
    Controle memoCache{true, true};  // the cover over the word list
    Controle cacheBoutonRevoir{true, true};  // covers the replay buttons outside replay
    Controle buttonChrono{true, true};
    Controle panelAideClavier;
    Controle lcj;              // the per-turn countdown
    std::array<Controle, nbSiegesMax + 1> ltg{};  // each seat's total game time
    std::array<Controle, nbSiegesMax + 1> nomJoueur{};
    std::array<Controle, nbSiegesMax + 1> pointJoueur{};

    // Menu entries; the matching buttons act only while their entry is enabled.
    bool menuRecommencer = false;
    bool menuListeDeMot = false;
    bool menuVoir = false;
    bool menuSauvegarde = false;
    bool menuCapture = true;
    bool menuImprimer = true;
    bool menuChrono = true;
    bool menuNiveau = true;

    std::string captionEchange = captionEchanger;
    std::string captionCacheLettres = captionCacheHumain;
    std::string captionEjoueur = "Joueur";
    std::string epointsdutour = "0";
    std::string enbLettreDispo = "102";
    int niveau = niveauMeilleur;  // every computer seat's; the level button shows it
    std::string captionStyleb = "st&yle ouvert";
    std::string captionStyleDeJeu = "Style Ouvert";

    bool chronoEnMarche = false;  // the chrono timer
    // The chrono settings: a game's end switches them off; each turn restarts the
    // per-turn countdown from its limit.
    bool chronoParTour = false;
    bool chronoTotal = false;
    // The chrono's times, in seconds.
    int limiteChronoTour = 180;
    int decompteTour = 180;
    int limiteChronoTotal = 5400;
    std::array<int, nbSiegesMax + 1> tempsTotal{};  // what LTG1..LTG4 show
    bool fenetreActive = true;
    int progression = 0;
    int progressionMax = 100;

    std::vector<LigneMot> memo1;
};

class EtatFenetre {
public:
    template <class Modification>
    void modifier(Modification&& modification) {
        std::lock_guard<std::mutex> garde(verrou);
        modification(etat);
    }
    EtatControles copie() const {
        std::lock_guard<std::mutex> garde(verrou);
        return etat;
    }
    Phase phase() const {
        std::lock_guard<std::mutex> garde(verrou);
        return etat.phase;
    }

private:
    mutable std::mutex verrou;
    EtatControles etat;
};

}  // namespace glyphane
