#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/jetons.h"

namespace glyphane {

// The history record of one turn. Record 0 belongs to the opening deal.
struct Coup {
    std::string points;  // at most 3 characters
    std::string mot;     // at most 15
    std::string sens;    // "1" down a column, "2" along a row, "" when no word
    std::string joueur;  // at most 8
    std::array<std::uint8_t, tailleChevalet + 1> colonnes{};
    std::array<std::uint8_t, tailleChevalet + 1> lignes{};
    std::string tirage;  // at most 8
};

// The value of partieFinie once the game is over.
inline constexpr std::uint8_t partieTerminee = 99;

using ScoresDesSieges = std::array<std::int32_t, nbSiegesMax + 1>;
using LettresDesSieges = std::array<std::string, nbSiegesMax + 1>;

// The course of a game, seat 1..4: whether the opening deal is over and the game
// is, whose turn it is, which turn, the scores, who has passed since the last
// committed tiles, what each seat was dealt and the record of every turn. The
// turn counter only goes forward and the seat is always one of the table, so
// that both may index the tables above; the deal, once over, and the game, once
// over, stay so until the next game.
class Deroulement {
public:
    // 0 while the opening deal runs, 1 afterwards.
    std::uint8_t distributionFaite() const { return distribue; }
    // partieTerminee once the game is over, 0 before.
    std::uint8_t partieFinie() const { return fin; }
    std::uint8_t joueurCourant() const { return courant; }
    // Wider than a byte: a long game of exchanges and passes must not wrap the
    // turn counter that indexes the history.
    std::int32_t numeroTour() const { return tour; }
    const ScoresDesSieges& score() const { return scores; }  // the score labels, as numbers
    const std::array<std::uint8_t, nbSiegesMax + 1>& passe() const { return passes; }
    const std::vector<Coup>& historique() const { return coups; }  // grows as needed; see coup()
    const LettresDesSieges& tirageDistribution() const { return distribution; }  // each seat's deal letters

    // Every seat has its tiles: seat 1 plays first.
    void finirDistribution();
    void terminerPartie() { fin = partieTerminee; }
    // Seat 0 (no game yet) to nbSiegesMax plays; any other number is ignored.
    void donnerLaMainA(int siege);
    // The seat after the current one among nbJoueurs, the first after the last.
    void passerLaMain(int nbJoueurs);
    void ouvrirTour() { ++tour; }
    // Points won, or lost when negative, by a seat.
    void ajouterPoints(int siege, std::int32_t points);
    void noterPasse(int siege);
    // Committed tiles: nobody has passed since.
    void oublierPasses() { passes.fill(0); }
    void noterTirageDistribution(int siege, char lettre);
    // History record n, created empty when the game has not reached it yet.
    Coup& coup(std::int32_t n);
    // A saved game's turn, seat, records, scores and deal letters, and whether it
    // is over. A saved game is past its deal.
    void restaurer(std::int32_t numeroTour, int joueurCourant, std::vector<Coup> historique,
                   const ScoresDesSieges& scoresLus, const LettresDesSieges& tirages, bool finie);

private:
    std::uint8_t distribue = 0;
    std::uint8_t fin = 0;
    std::uint8_t courant = 0;
    std::int32_t tour = 0;
    ScoresDesSieges scores{};
    std::array<std::uint8_t, nbSiegesMax + 1> passes{};
    std::vector<Coup> coups;
    LettresDesSieges distribution{};
};

}  // namespace glyphane
