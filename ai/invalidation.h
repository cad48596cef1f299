#pragma once
#include <cstdint>

#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// Possibilities that a move spoiled: they are marked invalid and lose their word
// file, so that the search skips them and the word files do not pile up.
namespace glyphane {

// The number of a record that has no word file of its own. A record forgets its
// number once its file is deleted: the number may then be handed to a new file,
// and no later clean-up must delete that file on the old record's behalf.
inline constexpr std::int32_t aucunFichier = 0;

// Deletes the record's word file when it has one of its own (numbers 2..7 are
// the whole-length search files, never deleted), and forgets the number.
void SupprimerFichierMots(FichiersTemporaires& fichiers, Possibilite& possibilite);

// Marks the record invalid and deletes its word file.
void InvaliderPossibilite(FichiersTemporaires& fichiers, Possibilite& possibilite);

// Across the line of the move (every way for a single tile): the first empty
// square past each tile and its neighbours now touches the move, so every
// possibility with a free square there is spoiled.
void InvaliderAutourDuCoup(Jeu& jeu, ModeleOrdinateur& modele, int nbPoses);

// After a scored move of a running game: every possibility whose free squares
// the board now covers is spoiled; then the files of all invalid records go.
void InvaliderCasesCouvertes(Jeu& jeu, ModeleOrdinateur& modele);

}  // namespace glyphane
