#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// The word file of a segment: the words of one search file that fit the
// segment's letters and complete every crossing word, kept as a numbered word
// file of the game that the candidate search reads.
namespace glyphane {

// Hands out the numbers of new word files. Fresh numbers come from
// compteurFichiers, up to the last temporary file. Past it, a number no record
// holds any more is taken again (its file went with its invalid record); with
// none left, no file is made rather than one overwritten.
class NumerotationFichiers {
public:
    explicit NumerotationFichiers(ModeleOrdinateur& modeleOrdinateur) : modele(modeleOrdinateur) {}
    std::optional<std::int32_t> prochainNumero();

private:
    void releverNumerosPris();

    ModeleOrdinateur& modele;
    std::vector<bool> pris;  // by number, once the fresh numbers have run out
    std::int32_t curseur = 0;
};

// The search file that holds every word the segment can take: the whole-length
// file when the segment has no letter yet (two-letter words for a lone square),
// else the file of its first letter. Nothing when the naming gives no file.
std::optional<std::filesystem::path> fichierSource(const std::filesystem::path& dossierProgramme,
                                                   const Segment& segment);

// The lines of `source` (one word a line) that fit the segment, each ended by
// CR LF, in their order.
std::string MotsDuSegment(const LexiconTrie& trie, const Segment& segment, std::string_view source);

// The search files one update reads, each read once: the segments around one
// move mostly share a handful of sources.
class SourcesDeMots {
public:
    explicit SourcesDeMots(const LexiconTrie& dictionnaire) : trie(dictionnaire) {}
    // The words of the segment's search file, or the same words from the
    // dictionary when the file cannot be read; nothing when the naming gives
    // no file.
    const std::string* contenu(const std::filesystem::path& dossierProgramme, const Segment& segment);

private:
    const LexiconTrie& trie;
    std::map<std::filesystem::path, std::string> lues;
};

// Builds the segment's word file and returns its number. Nothing is made when
// no word fits or when no number is left.
std::optional<std::int32_t> ConstruireFichierMots(Jeu& jeu, const Segment& segment, NumerotationFichiers& numeros,
                                                  SourcesDeMots& sources);

// The words of a possibility's file: 2..7 a whole-length search file (from the
// dictionary when it cannot be read), from 8 on a word file of this game.
bool LireFichierMots(Jeu& jeu, std::int32_t numero, std::string& contenu);

}  // namespace glyphane
