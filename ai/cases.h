#pragma once
#include <optional>
#include <vector>

#include "engine/partie.h"

// Squares and lines of the board as the possibility update walks them.
namespace glyphane {

// Column x, row y, 1..15.
struct Case {
    int x = 0;
    int y = 0;
    bool operator==(const Case&) const = default;
};

constexpr bool surPlateau(Case c) { return c.x >= 1 && c.x <= tailleGrille && c.y >= 1 && c.y <= tailleGrille; }

// One step across the board.
struct Pas {
    int dx = 0;
    int dy = 0;
};
inline constexpr Pas versGauche{-1, 0};
inline constexpr Pas versDroite{1, 0};
inline constexpr Pas versHaut{0, -1};
inline constexpr Pas versBas{0, 1};

constexpr Case avancer(Case c, Pas pas) { return {c.x + pas.dx, c.y + pas.dy}; }

// A line of the board: along a row (horizontal) or down a column (vertical).
enum class Sens { horizontal, vertical };

constexpr Sens autreSens(Sens sens) { return sens == Sens::horizontal ? Sens::vertical : Sens::horizontal; }

// Position 1..15 of the square along the line in that direction.
constexpr int positionSurLigne(Case c, Sens sens) { return sens == Sens::horizontal ? c.x : c.y; }

// The square at position p of the line through c in that direction.
constexpr Case caseDeLaLigne(Case c, Sens sens, int p) {
    return sens == Sens::horizontal ? Case{p, c.y} : Case{c.x, p};
}

inline bool occupee(const Grille& grille, Case c) { return grille[c.x][c.y] != 0; }

// The first empty square reached from the tile on `depart` over the adjacent
// tiles; nothing when the walk leaves the board first.
std::optional<Case> premiereCaseVide(const Grille& grille, Case depart, Pas pas);

// The squares the last committed move filled, in board order (column by column,
// each from the top), at most nbPoses of them.
std::vector<Case> tuilesDuCoup(const Partie& partie, int nbPoses);

}  // namespace glyphane
