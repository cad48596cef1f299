#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lexicon/trie.h"

// The built-in word list is also kept on disk, split by length and by the letters a
// word holds, so that the computer player reads only the one file that can hold the
// words fitting a board segment.
namespace glyphane {

inline constexpr std::string_view dossierRecherches = "Recherches";
inline constexpr std::string_view nomMarqueurVersion = "00075version.gld";
inline constexpr std::string_view nomFichierCouleur = "00075color.gld";
inline constexpr std::string_view ligneVersion = "version 7.5 creation info";
inline constexpr std::string_view ligneCreationFaite = "Creation dico réaliser";
inline constexpr std::string_view ligneCreationEchouee = "Erreur Creation dico ";

inline constexpr int premierFichierTemporaire = 8;
inline constexpr int dernierFichierTemporaire = 8000;
inline constexpr int nombreFichiersRecherche = 318;

// The stream of the word list and its letter table, as handed to the trie builder.
struct FluxMots {
    std::span<const std::uint8_t> codes;
    std::span<const std::uint8_t> lettres;
};

// n = 0: the temporary folder; 2..7: the whole-length file of n letters;
// 8..8000: temporary file n. Any other n has no name.
std::optional<std::filesystem::path> searchFileName(const std::filesystem::path& dossierProgramme, int n);

// The file that holds every word fitting the pattern (letters fixed, "?" free):
// the whole-length file for 2 or 3 positions, else the file of that length for the
// first fixed letter. Empty for other lengths and for a pattern with no letter.
std::filesystem::path patternSearchFileName(const std::filesystem::path& dossierProgramme,
                                            std::string_view pattern);

// The file of words of length 4..15 holding letter 0..25 (a..z).
std::filesystem::path fichierParLettre(const std::filesystem::path& dossierProgramme,
                                       std::size_t longueur, std::size_t lettre);

// What the search file of `longueur`-letter words holds (only those with
// `lettre` when one is given), taken from the dictionary in memory, one word a
// line in the files' order. It stands in for a file that can no longer be read;
// unlike the files, it holds the player's own words and not the withdrawn ones.
std::string motsDuDictionnaire(const LexiconTrie& trie, std::size_t longueur, std::optional<char> lettre);

struct ResultatRecherche {
    bool reussi = false;
    bool fichiersEcrits = false;
    // The first line of the colour file, as the quit step wrote it; empty when absent.
    std::string couleurFond;
};

// Builds the trie from the stream, writing the search files in the same pass when
// they are missing or stale. afficherAttente is called just before writing starts
// (the start-up window shows its waiting panel then).
ResultatRecherche writeSearchFilesIfNeeded(const std::filesystem::path& dossierProgramme,
                                           LexiconTrie& trie, const FluxMots& flux,
                                           const std::function<void()>& afficherAttente = {});

}  // namespace glyphane
