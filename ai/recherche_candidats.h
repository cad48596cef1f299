#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ai/candidats.h"
#include "ai/modele_ordinateur.h"
#include "lexicon/trie.h"

// The candidate search itself: from the committed board, the rack, the
// possibility lists with the board rows, and the dictionary (the trie and the
// word files), every move the rack can make, scored. It waits for nothing and
// shows nothing; whoever calls it decides, through SuiviRecherche, when it stops.
namespace glyphane {

// Word file n into the string; false when there is none.
using LecteurFichiersMots = std::function<bool(std::int32_t numero, std::string& contenu)>;

// What a caller watches and steers of a running search. By default it runs to
// its end.
class SuiviRecherche {
public:
    virtual ~SuiviRecherche() = default;
    // Before each record of the lists: false stops the search there.
    virtual bool continuer() { return true; }
    // After each record; a valid one with the candidates it added.
    virtual void apresRecord(bool /*valide*/, std::span<const Candidat> /*nouveaux*/) {}
    // Once the seven-tile moves are listed: false leaves the shorter ones out.
    virtual bool apresSeptJetons(const std::vector<Candidat>& /*trouves*/) { return true; }
};

struct CandidatsTrouves {
    std::vector<Candidat> candidats;  // in the order found, each move once
    bool arretee = false;             // continuer() said no
};

// Lists 7 down to 1, those the rack has tiles enough for; in each, the valid
// records in order and the words of their files in order.
CandidatsTrouves ChercherCandidats(const Grille& grilleFixe, const ChevaletDeRecherche& chevalet,
                                    const ModeleOrdinateur& modele, const LexiconTrie& trie,
                                    const LecteurFichiersMots& lireFichier, SuiviRecherche* suivi = nullptr);

// The valid records of lists 1..nombreMax: how far a search over them goes.
int possibilitesValides(const ModeleOrdinateur& modele, int nombreMax);

}  // namespace glyphane
