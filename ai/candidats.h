#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ai/evaluer_placement.h"
#include "engine/partie.h"

// Turning one word of a possibility's file into a candidate move: which rack
// tiles make it, where they go, and how the move is written and listed.
namespace glyphane {

// The current rack as the search reads it, slot 1..7 at index 0..6: a blank is
// "?" with the digit "0"; an empty slot holds a character no word contains.
struct ChevaletDeRecherche {
    std::string lettres;   // lettresChevalet
    std::string chiffres;  // chiffresChevalet
    int nombreJetons = 0;  // nT
    int nombreJokers = 0;  // nB
};

inline constexpr char casierVide = '-';

// Where a possibility's free squares lie, as a placement still without letters.
// Nothing when the record cannot be trusted: its squares off the board, out of
// line, already covered, or not matching the "?" of its frame.
std::optional<Placement> placementDuRecord(const Grille& grilleFixe, const Possibilite& record, int nombre);

// Fills the placement's letters and digits with the rack tiles that make the
// word on the frame, a real letter before a blank; false when the rack cannot.
bool apparierAuChevalet(std::string_view mot, std::string_view motif, const ChevaletDeRecherche& chevalet,
                        Placement& placement);

// The move text: the letters, ";", then column and row of each tile ("A".."O").
std::string texteDuCoup(const Placement& placement);

// The word list's line for a placement written on the rows: the word it forms
// along its line in 16 columns, the points (the text padded to 20 when it is 17
// to 19 long), then where the first new tile goes ("H8" along a row, "8H" down
// a column). The word's letters already on the board are marked.
LigneMot ligneDuMemo(const LignesDeTravail& lignes, const Placement& placement, std::int32_t points);

}  // namespace glyphane
