#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "engine/jeu.h"
#include "lexicon/trie.h"
#include "tests/vue_factice.h"

namespace glyphane::test {

// A two-seat game past its opening deal, seat 1 to play, with an empty board,
// a fixed seed and no pauses. Tiles are handed out by letter, each one once.
class JeuDeTest {
public:
    LexiconTrie trie;
    VueFactice vue;
    Hasard hasard{std::uint64_t{20240601}};
    CadenceNulle cadence;
    Jeu jeu;
    Partie& partie = jeu.partie;

    explicit JeuDeTest(std::filesystem::path dossierProgramme = {})
        : jeu(trie, vue, hasard, cadence, std::move(dossierProgramme)) {
        partie.sieges.fixerNombreJoueurs(2);
        partie.deroulement.finirDistribution();
    }

    // The bag counts n tiles, whichever it holds: the computer's choices look
    // at the count alone.
    void compterAuSac(int n) { partie.sac.restaurer(n, partie.sac.jetonJoue()); }

    // A tile carrying that letter ('?' for a blank) that this test has not used.
    int jeton(char lettre) {
        for (int t = 1; t <= nbJetons; ++t) {
            if (!pris[t] && lettreInitiale(t) == lettre) {
                pris[t] = true;
                return t;
            }
        }
        return 0;
    }

    // A word committed to the board on an earlier turn, from column x, row y.
    void poserFixe(std::string_view mot, int x, int y, bool horizontal = true) {
        for (const char lettre : mot) {
            const int t = jeton(lettre);
            partie.plateau.poser(t, x, y);
            partie.plateau.fixer(x, y);
            partie.sac.marquerJoue(t);
            partie.ecran.images[t].deplacable = false;
            avancer(x, y, horizontal);
        }
    }

    // This turn's tiles, put down but not played. A blank is written '?' followed
    // by its letter: "?e" stands for an e, "??" has no letter yet.
    void poserNouveau(std::string_view mot, int x, int y, bool horizontal = true) {
        for (std::size_t i = 0; i < mot.size(); ++i) {
            const bool joker = mot[i] == '?';
            const int t = jeton(mot[i]);
            if (joker) partie.plateau.donnerLettreJoker(t, mot[++i]);
            partie.plateau.poser(t, x, y);
            avancer(x, y, horizontal);
        }
    }

    // Fills the seat's slots from 1 with one tile per letter; returns the tiles.
    std::array<int, tailleChevalet + 1> auChevalet(int siege, std::string_view lettres) {
        std::array<int, tailleChevalet + 1> tuiles{};
        int casier = 1;
        for (const char lettre : lettres) {
            const int t = jeton(lettre);
            partie.chevalet.ranger(siege, t, casier);
            tuiles[casier++] = t;
        }
        return tuiles;
    }

private:
    static void avancer(int& x, int& y, bool horizontal) { horizontal ? ++x : ++y; }

    std::array<bool, nbJetons + 1> pris{};
};

}  // namespace glyphane::test
