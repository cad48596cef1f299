#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/partie.h"

// A saved game as the loader reads it, before anything of it reaches the game:
// a damaged file must leave the game as the reset left it.
namespace glyphane {

// The first line of every saved game; a file without it is not one.
inline constexpr std::string_view enTeteSauvegarde = "7.3.0.3 Fichier de sauvegarde";
inline constexpr std::string_view extensionSauvegarde = ".Glb";

// The widths of the texts, in characters: the loader cuts longer ones.
inline constexpr std::size_t largeurJoueur = 8;
inline constexpr std::size_t largeurPoints = 3;
inline constexpr std::size_t largeurMot = 15;
inline constexpr std::size_t largeurSens = 1;
inline constexpr std::size_t largeurTirage = 8;
inline constexpr std::size_t largeurNom = 8;

// A board square holds the byte tile + 25, so that an empty square is a byte too.
inline constexpr int decalageCase = 25;

// Far more than a game can fill, and little enough to read in one go.
inline constexpr std::size_t tailleMaxSauvegarde = 4 * 1024 * 1024;

struct SiegeSauvegarde {
    std::array<std::uint8_t, nbJetons + 1> caseDuJeton{};  // slot 1..7 of each tile of this rack, else 0
    std::array<std::uint8_t, tailleChevalet + 1> caseOccupee{};
    std::string nom;
    std::int32_t score = 0;
    std::string tirageDistribution;
    bool ordinateur = false;
};

// Texts are UTF-8, as in the game.
struct PartieSauvegardee {
    int joueurCourant = 0;
    int nbJoueurs = 0;
    int jetonsSurPlateau = 0;
    int partieFinie = 0;
    int jetonsDansSac = 0;
    std::int32_t numeroTour = 0;  // M
    char lettreJokerA = lettreInconnue;
    char lettreJokerB = lettreInconnue;
    // Records 0..M: 1..M-1 are the moves played, and every record up to M has
    // its tirage. Record 0, the deal's, stays empty.
    std::vector<Coup> historique;
    std::array<SiegeSauvegarde, nbSiegesMax + 1> sieges{};
    Grille grilleFixe{};
};

}  // namespace glyphane
