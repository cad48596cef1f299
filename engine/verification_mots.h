#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "engine/jeu.h"

// Every word a move forms is judged against the dictionary before the move
// counts. A human may vouch for the words it does not know: they join the
// dictionary for good, in the user's own word list.
namespace glyphane {

// Looks up every word of the last evaluated move, marking the known ones; the
// first unknown word clears motsConnus, which the caller set to 1 before the
// evaluation.
void VerifierMots(Jeu& jeu);

// The words the report lists, slots 1..8: slot 1 is kept for the main word and
// stays empty when the main word is known; the unknown cross words follow in
// the order of their tiles.
MotsRefuses MotsDuRapport(const Evaluation& evaluation);

// Appends the words to the user's word list beside the program and adds them to
// the dictionary. A list that cannot be opened keeps them out of both, so that
// the dictionary of this run is the one the next run reads; the move that uses
// them stands all the same. False tells that the file was not written.
bool AjouterAuDicoUtilisateur(const std::filesystem::path& dossierProgramme, LexiconTrie& trie,
                              const std::vector<std::string>& mots);

// Lists the unknown words of the human's move and lets the player tick those to
// keep. The ticked ones are added; the move is played when every listed word was
// ticked, else it is taken back and the turn passes.
void RapportMotsRefuses(Jeu& jeu);

}  // namespace glyphane
