#pragma once
#include "ai/cases.h"
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The board segments a word could fill around the last move, gathered in
// Segments[1..7] by their number of free squares, each kept once, waiting for the
// update thread to build their word files.
namespace glyphane {

// Around every tile of the move, in board order: the tile's square and the first
// empty square reached from it going left, right, up and down.
void EnumererSegments(const Partie& partie, ModeleOrdinateur& modele, int nbPoses);

// The two forms the loading of a game runs over every occupied square: the
// square itself as the only anchor; the four anchors around it.
void EnumererSegmentsDeLaCase(const Partie& partie, ModeleOrdinateur& modele, Case c);
void EnumererSegmentsAutourDeLaCase(const Partie& partie, ModeleOrdinateur& modele, Case c);

// A loaded board: the first form over every occupied square, rows A to O and
// columns 1 to 15 within a row, then the second form likewise.
void EnumererSegmentsDuPlateau(const Partie& partie, ModeleOrdinateur& modele);

// Every segment through one anchor: N = 2..7 then 1, along the row then down the
// column, starting from the N-th empty square before the anchor down to the
// anchor itself.
void EnumererSegmentsDepuisAncre(const Partie& partie, Case ancre,
                                 std::array<std::vector<Segment>, tailleChevalet + 1>& segments);

}  // namespace glyphane
