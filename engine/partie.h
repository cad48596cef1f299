#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "engine/chevalets.h"
#include "engine/deroulement.h"
#include "engine/fenetre.h"
#include "engine/jetons.h"
#include "engine/plateau.h"

// The game model: tiles, board, racks, bag, history and the state of a game. The
// tables keep the shapes the rules speak of: fixed size, indexed from 1 (tile
// 1..102, seat 1..4, slot 1..7, column and row 1..15), index 0 unused.
namespace glyphane {

using GrilleMarques = std::array<std::array<bool, tailleGrille + 1>, tailleGrille + 1>;

// The picture of one tile on the window, in the pixels of the current screen mode.
struct ImageJeton {
    int left = -50;
    int top = 0;
    bool visible = false;
    bool deplacable = true;
};

// The two screen layouts fix where tiles stand; the model keeps positions in pixels
// so that dragging and the rules agree on which square a tile is on.
struct Geometrie {
    int mode = 800;
    int gaucheCase(int colonne) const { return mode == 640 ? 22 + 25 * (colonne - 1) : 30 + 31 * (colonne - 1); }
    int hautCase(int ligne) const { return mode == 640 ? 22 + 25 * (ligne - 1) : 30 + 31 * (ligne - 1); }
    int gaucheChevalet(int casier) const { return mode == 640 ? casier * 50 - 10 : casier * 64 - 10; }
    int hautChevalet() const { return mode == 640 ? 420 : 524; }
    int tailleJeton() const { return mode == 640 ? 24 : 29; }
};

// The words of the last evaluated move, per new tile 1..7 in board order.
struct Evaluation {
    std::array<std::string, tailleChevalet + 1> motH, motV;
    std::array<std::uint8_t, tailleChevalet + 1> aMotH{}, aMotV{};
    std::array<std::uint8_t, tailleChevalet + 1> debutH{}, finH{}, debutV{}, finV{};
    std::array<std::int32_t, tailleChevalet + 1> pointsH{}, pointsV{};
    std::array<std::uint8_t, tailleChevalet + 1> motHConnu{}, motVConnu{};
    std::uint8_t motPrincipalH = 0;
    std::uint8_t motPrincipalV = 0;
};

// Flags shared between the window thread and the workers. Their release/acquire
// hand-over is what orders one thread's writes before the other's reads.
struct Drapeaux {
    std::atomic<std::uint8_t> miseAJourEnCours{0};
    std::atomic<std::uint8_t> ordiOccupe{0};
    std::atomic<std::uint8_t> arretDemande{0};
    std::atomic<std::uint8_t> arretMiseAJour{0};
};

// The value of partieFinie once the game is over.
inline constexpr std::uint8_t partieTerminee = 99;

struct Partie {
    std::uint8_t nbJoueurs = 0;
    std::array<std::uint8_t, nbSiegesMax + 1> estOrdinateur{};
    std::array<std::string, nbSiegesMax + 1> nom{};      // the name labels
    std::uint8_t styleOuvert = 1;
    std::uint8_t distributionFaite = 0;
    std::uint8_t partieFinie = 0;
    std::int32_t jetonsDansSac = nbJetons;
    std::int32_t pointsDuCoup = 0;
    std::uint8_t placementInvalide = 0;
    std::uint8_t finDeTourSansPoints = 0;
    std::uint8_t motsConnus = 0;
    std::int32_t nbJetonsEchanges = 0;
    std::uint8_t jetonSelectionne = 0;

    std::array<std::uint8_t, nbJetons + 1> jetonJoue{};
    Plateau plateau;
    Chevalet chevalet;
    Deroulement deroulement;
    std::array<std::uint8_t, tailleChevalet + 1> chevaletDuTour{};  // the rack as the turn began


    Evaluation evaluation;
    GrilleMarques grilleDernierCoup{};
    GrilleMarques grilleSuggestion{};
    bool surlignageDernierCoup = false;
    bool surlignageSuggestion = false;

    std::array<ImageJeton, nbJetons + 1> images{};
    Geometrie geometrie;
    EtatFenetre fenetre;

    Drapeaux drapeaux;

    // Replay: the last position that may be shown and the position shown.
    std::int32_t limiteRevoir = 0;
    std::int32_t positionRevoir = 0;
};

}  // namespace glyphane
