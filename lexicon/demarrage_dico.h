#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "lexicon/fichiers_recherche.h"
#include "lexicon/trie.h"

namespace glyphane {

inline constexpr std::string_view nomDicoUtilisateur = "dico glyphane.txt";
inline constexpr std::string_view nomDicoRetrait = "dico retrait.txt";

// The nine header lines of the withdrawal list. Each is at least 16 characters
// long, which keeps the first reading pass from taking one for a word.
const std::vector<std::string>& enteteDicoRetrait();

// The dictionary's part of the program's start-up. The window runs its own steps
// between these (background picture, tile faces...), so each step is its own call,
// to be made in the order they are declared.
class DemarrageDictionnaire {
public:
    DemarrageDictionnaire(std::filesystem::path dossierProgramme, LexiconTrie& trie);

    // Creates the folders and checks the version marker. Afterwards
    // imagesAFaire() says whether the background pictures must be drawn again.
    void preparerDossiers();
    bool imagesAFaire() const { return images; }

    // Builds the trie, writing the search files when needed. False: start-up stops.
    bool construireTrie(const FluxMots& flux, const std::function<void()>& afficherAttente = {});
    const ResultatRecherche& recherche() const { return resultatRecherche; }

    void chargerMotsUtilisateur();
    void premierPassageRetrait();
    void secondPassageRetrait();

    // All the steps in order, with nothing of the window between them.
    bool toutDemarrer(const FluxMots& flux);

private:
    bool creerRetraitSiAbsent() const;

    std::filesystem::path dossier;
    LexiconTrie& trie;
    bool images = false;
    ResultatRecherche resultatRecherche;
};

}  // namespace glyphane
