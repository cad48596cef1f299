#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "ai/modele_ordinateur.h"
#include "lexicon/trie.h"

// Scoring a candidate on the pattern rows instead of the board: the rows are
// ready-made 15-character texts in both orientations, so a crossing word is read
// by walking one text. The score only ranks candidates; the points a played move
// earns are counted by the move evaluation.
namespace glyphane {

inline constexpr int sensVertical = 1;    // the word runs down a column
inline constexpr int sensHorizontal = 2;  // the word runs along a row

// A candidate's new tiles: ligne is the column of a vertical word or the row of
// a horizontal one; tile k stands at positions[k] along it, increasing.
struct Placement {
    std::array<char, tailleChevalet> lettres{};
    std::array<char, tailleChevalet> chiffres{};
    std::array<std::uint8_t, tailleChevalet> positions{};
    int nombre = 0;
    int sens = sensHorizontal;
    int ligne = 1;

    int colonne(int k) const { return sens == sensVertical ? ligne : positions[static_cast<std::size_t>(k)]; }
    int rangee(int k) const { return sens == sensVertical ? positions[static_cast<std::size_t>(k)] : ligne; }
};

// The pattern rows a search writes its candidates into, one at a time. A row of
// the wrong length (a model never reset) reads as an empty line rather than
// past its end.
class LignesDeTravail {
public:
    explicit LignesDeTravail(const ModeleOrdinateur& modele);

    void ecrire(const Placement& placement);
    // Puts back what ecrire overwrote.
    void effacer(const Placement& placement);

    const LignesMotifs& lettres() const { return lettresTravail; }
    const LignesMotifs& chiffres() const { return chiffresTravail; }

private:
    LignesMotifs lettresMaitre;
    LignesMotifs chiffresMaitre;
    LignesMotifs lettresTravail;
    LignesMotifs chiffresTravail;
};

// A tile's value from its digit: "9" stands for the 10-point tiles.
int valeurDuChiffre(char chiffre);

// Indices 0..14 of the first and last square of a run along a line.
struct Etendue {
    int debut = 0;
    int fin = 0;
};

// The letters of the placement's own line, 15 characters.
std::string_view ligneDuPlacement(const LignesDeTravail& lignes, const Placement& placement);

// The word the placement forms along its own line: from the first new tile back
// and from the last one on, while the squares are filled.
Etendue etendueDuMotPrincipal(const LignesDeTravail& lignes, const Placement& placement);

// The candidate's score on the rows where it is already written; 0 when its
// main word or one of its crossing words is unknown.
std::int32_t EvaluerPlacement(const LignesDeTravail& lignes, const LexiconTrie& trie, const Placement& placement);

}  // namespace glyphane
