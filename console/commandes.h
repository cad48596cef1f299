#pragma once
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/trie.h"

namespace glyphane::console {

// Each command takes the words after its name and returns the exit status.
int commandeDico(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);
int commandePartie(const std::vector<std::string>& arguments, std::istream& entree, std::ostream& sortie,
                   std::ostream& erreurs);
int commandeAutoplay(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

// The dictionary's start-up in the program folder; false, with the reason on
// the error stream, when it cannot run there.
bool demarrerDictionnaire(const std::filesystem::path& dossier, LexiconTrie& trie, std::string_view commande,
                          std::ostream& erreurs);

}  // namespace glyphane::console
