#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "engine/chevalets.h"
#include "engine/deroulement.h"
#include "engine/ecran.h"
#include "engine/fenetre.h"
#include "engine/jetons.h"
#include "engine/plateau.h"
#include "engine/sac.h"
#include "engine/sieges.h"

// The game model. The seats, the board, the bag, the racks and the course of
// the game change only through their own operations, which keep their rules;
// where the window draws the tiles is kept apart from them. The tables keep the shapes the rules speak
// of: fixed size, indexed from 1 (tile 1..102, seat 1..4, slot 1..7, column and
// row 1..15), index 0 unused.
namespace glyphane {

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

struct Partie {
    Sieges sieges;
    std::int32_t pointsDuCoup = 0;
    std::uint8_t placementInvalide = 0;
    std::uint8_t finDeTourSansPoints = 0;
    std::uint8_t motsConnus = 0;
    std::int32_t nbJetonsEchanges = 0;
    std::uint8_t jetonSelectionne = 0;

    Plateau plateau;
    Sac sac;
    Chevalet chevalet;
    Deroulement deroulement;
    std::array<std::uint8_t, tailleChevalet + 1> chevaletDuTour{};  // the rack as the turn began

    Evaluation evaluation;
    // The last move's squares: the computer player starts its update from them.
    GrilleMarques grilleDernierCoup{};
    Ecran ecran;
    EtatFenetre fenetre;

    Drapeaux drapeaux;

    // Replay: the last position that may be shown and the position shown.
    std::int32_t limiteRevoir = 0;
    std::int32_t positionRevoir = 0;
};

}  // namespace glyphane
