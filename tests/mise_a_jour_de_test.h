#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/cases.h"
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"
#include "engine/vue_silencieuse.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/fichiers_recherche.h"
#include "tests/dossier_temporaire.h"
#include "tests/flux_de_test.h"

namespace glyphane::test {

// A window that shows nothing and sets up a game between two computer seats; a
// test may hook the calls the update threads make.
class VueMuette final : public VueSilencieuse {
public:
    std::function<void()> surActualisation;

    Reponse PoserQuestion(const std::string&, const std::string&) override { return Reponse::oui; }
    int DemanderNombreJoueurs() override { return 2; }
    ChoixNoms DemanderNoms(int, bool) override {
        ChoixNoms choix;
        choix.ok = true;
        choix.ordinateur = {false, true, true, false, false};
        return choix;
    }
    void ActualiserControles() override {
        if (surActualisation) surActualisation();
    }
};

inline const std::vector<std::string> motsDeTest = {
    "as", "es", "et", "la", "le", "ne", "sa", "se", "ta", "te", "tu",
    "les", "sel", "tas", "eau", "lit", "ami",
    "lits", "amis", "mots", "sels", "tale", "tales", "salete", "salades"};

// A game in a temporary program folder whose search files hold a small word
// list, on whose board a test lays words tile by tile.
class MiseAJourDeTest {
public:
    DossierTemporaire dossier;
    LexiconTrie trie;
    VueMuette vue;
    Hasard hasard{std::uint64_t{7}};
    CadenceNulle cadence;
    Jeu jeu{trie, vue, hasard, cadence, dossier()};
    Partie& partie = jeu.partie;
    ModeleOrdinateur modele;

    // Writing the search files is most of a test's time: a test that reads
    // none does without.
    explicit MiseAJourDeTest(bool fichiersRecherche = true) {
        const FluxDeTest flux(motsDeTest);
        if (fichiersRecherche) {
            DemarrageDictionnaire(dossier(), trie).toutDemarrer(flux.flux());
        } else {
            trie.buildFromStream(flux.flux().codes, flux.flux().lettres);
        }
        partie.sieges.fixerNombreJoueurs(2);
        partie.deroulement.finirDistribution();
        partie.deroulement.ouvrirTour();
        partie.deroulement.ouvrirTour();
    }

    // A word committed on an earlier turn.
    void poser(std::string_view mot, Case depart, Sens sens) {
        Case c = depart;
        for (const char lettre : mot) {
            partie.plateau.poser(jeton(lettre), c.x, c.y);
            partie.plateau.fixer(c.x, c.y);
            c = avancer(c, sens == Sens::horizontal ? versDroite : versBas);
        }
    }

    // The move just committed: its tiles marked as the last move. Returns how
    // many tiles it placed.
    int jouer(std::string_view mot, Case depart, Sens sens) {
        partie.grilleDernierCoup = {};
        poser(mot, depart, sens);
        Case c = depart;
        for (std::size_t i = 0; i < mot.size(); ++i) {
            partie.grilleDernierCoup[c.x][c.y] = true;
            c = avancer(c, sens == Sens::horizontal ? versDroite : versBas);
        }
        return static_cast<int>(mot.size());
    }

    // Word file n as the update would have left it, for a record a test sets up
    // (2..7: the whole-length search files).
    void ecrireTemporaire(int numero, std::string_view contenu) {
        if (numero >= premierFichierTemporaire) {
            jeu.temporaires.ecrire(numero, contenu);
        } else {
            std::ofstream(*searchFileName(dossier(), numero), std::ios::binary) << contenu;
        }
    }

    bool existe(int numero) const {
        std::string contenu;
        if (numero >= premierFichierTemporaire) return jeu.temporaires.lire(numero, contenu);
        return std::filesystem::exists(*searchFileName(dossier(), numero));
    }

    std::string lire(int numero) const {
        std::string contenu;
        jeu.temporaires.lire(numero, contenu);
        return contenu;
    }

private:
    // A tile carrying the letter that is not on the board yet.
    int jeton(char lettre) {
        int t = 1;
        while (t < nbJetons && (pris[static_cast<std::size_t>(t)] || lettreInitiale(t) != lettre)) ++t;
        pris[static_cast<std::size_t>(t)] = true;
        return t;
    }

    std::array<bool, nbJetons + 1> pris{};
};

// A segment or possibility written compactly: its letters, then its free squares.
inline Segment segment(std::string motif, std::vector<Case> libres, std::string croisements = {}) {
    Segment s{std::move(motif), std::move(croisements), {}, {}};
    for (const Case c : libres) {
        s.lignes.push_back(static_cast<std::uint8_t>(c.y));
        s.colonnes.push_back(static_cast<std::uint8_t>(c.x));
    }
    return s;
}

inline Possibilite possibilite(std::string motif, std::vector<Case> libres, std::int32_t numero,
                               std::uint8_t valide = 1) {
    const Segment s = segment(std::move(motif), std::move(libres));
    return {s.motif, valide, numero, s.lignes, s.colonnes};
}

// Squares in a row or a column, from `debut` for n squares.
inline std::vector<Case> cases(Case debut, int n, Sens sens) {
    std::vector<Case> suite;
    for (int i = 0; i < n; ++i) {
        suite.push_back(debut);
        debut = avancer(debut, sens == Sens::horizontal ? versDroite : versBas);
    }
    return suite;
}

}  // namespace glyphane::test
