#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/boutons.h"
#include "engine/chevalet.h"
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"
#include "engine/nouvelle_partie.h"
#include "engine/tirage.h"
#include "lexicon/trie.h"
#include "tests/dossier_temporaire.h"
#include "tests/flux_de_test.h"
#include "tests/vue_factice.h"

namespace glyphane::test {

// A whole game from the new-game button on, over a small word list, in a
// temporary program folder, with a fixed seed and no pauses.
class PartieDeTest {
public:
    DossierTemporaire dossier;
    LexiconTrie trie;
    VueFactice vue;
    Hasard hasard;
    CadenceNulle cadence;
    Jeu jeu{trie, vue, hasard, cadence, dossier()};
    Partie& partie = jeu.partie;

    explicit PartieDeTest(std::uint64_t graine = 11) : hasard(graine) {
        const FluxDeTest flux({"mot", "mots", "sel", "le", "les", "la", "as", "sa", "se", "es", "et", "te",
                               "ta", "tas", "rue", "rues", "eau", "lit", "lits", "ami", "amis", "ne", "nu"});
        trie.buildFromStream(flux.flux().codes, flux.flux().lettres);
    }

    // Human seats with these names, open style unless told, no order draw.
    void commencer(const std::vector<std::string>& noms, bool styleOuvert = true) {
        vue.nombresDeJoueurs = {static_cast<int>(noms.size())};
        ChoixNoms choix;
        choix.ok = true;
        choix.styleOuvert = styleOuvert;
        for (std::size_t s = 0; s < noms.size(); ++s) choix.noms[s + 1] = noms[s];
        vue.noms = {choix};
        NouvellePartie(jeu);
    }

    // The current seat holds exactly these tiles ('?' a blank), slot by slot: its
    // own go back to the bag and tiles with these letters come out of it, or out
    // of another rack, which gets a tile of the bag in exchange.
    void imposerChevalet(std::string_view lettres) {
        const int siege = partie.deroulement.joueurCourant();
        for (int j = 1; j <= tailleChevalet; ++j) vider(siege, j);
        int casier = 1;
        for (const char lettre : lettres) {
            int t = jetonDuSac(lettre);
            if (t == 0) t = prendreAUnAutre(siege, lettre);
            ranger(siege, casier++, t);
        }
        partie.chevaletDuTour = partie.chevalet.caseChevalet()[siege];
    }

    // A tile with that letter in the bag, or 0: on no rack and not played.
    int jetonDuSac(char lettre) const {
        for (int t = 1; t <= nbJetons; ++t) {
            if (lettreInitiale(t) == lettre && dansLeSac(t)) return t;
        }
        return 0;
    }

    // Every tile still in the bag is taken out of play, as if laid long ago.
    void viderLeSac() {
        JetonsJoues joues = partie.sac.jetonJoue();
        for (int t = 1; t <= nbJetons; ++t) {
            if (dansLeSac(t)) joues[t] = 1;
        }
        partie.sac.restaurer(0, joues);
        AfficherJetonsDansSac(partie);
    }

    // Lays the move text from the current rack and presses "&Jouer".
    void jouer(std::string_view texte) {
        PoserTexteDeCoup(partie, texte);
        jouerCoup(jeu);
    }

    // The seat's rack letters in slot order, "." for an empty slot.
    std::string chevalet(int siege) const {
        std::string lettres;
        for (int j = 1; j <= tailleChevalet; ++j) {
            const int t = partie.chevalet.caseChevalet()[siege][j];
            lettres += t == 0 ? '.' : partie.plateau.LettreJeton()[t];
        }
        return lettres;
    }

private:
    bool dansLeSac(int t) const { return partie.sac.contient(partie.chevalet, t); }

    void vider(int siege, int casier) { partie.chevalet.viderCasier(siege, casier); }

    void ranger(int siege, int casier, int t) { partie.chevalet.ranger(siege, t, casier); }

    int prendreAUnAutre(int siege, char lettre) {
        for (int autre = 1; autre <= nbSiegesMax; ++autre) {
            for (int j = 1; autre != siege && j <= tailleChevalet; ++j) {
                const int t = partie.chevalet.caseChevalet()[autre][j];
                if (t == 0 || lettreInitiale(t) != lettre) continue;
                int remplacant = 1;
                while (!dansLeSac(remplacant) || lettreInitiale(remplacant) == lettre) ++remplacant;
                vider(autre, j);
                ranger(autre, j, remplacant);
                return t;
            }
        }
        ADD_FAILURE() << "no tile left with the letter " << lettre;
        return 0;
    }
};

// A computer player that only writes down what the turn controller asks of it.
class CrochetsEnregistres final : public CrochetsOrdinateur {
public:
    std::vector<std::string> appels;

    // The rows and lists the hooks feed, kept as a computer player would.
    ModeleOrdinateur modele;

    void jetonFixe(int x, int y, char lettre, int valeur) override { NoterDansLesMotifs(modele, x, y, lettre, valeur); }
    void oublierModelesPremierCoup() override {
        for (auto& liste : modele.Possibilites) liste.clear();
    }
    void miseAJourApresCoup(int nbPoses) override { appels.push_back("miseAJour " + std::to_string(nbPoses)); }
    void attendreFinMiseAJour() override { appels.push_back("attendre"); }
    void demarrerTourOrdinateur() override { appels.push_back("ordinateur"); }
    void reinitialiser(bool avecModeles) override {
        modele = ModeleOrdinateur{};
        appels.push_back(avecModeles ? "reinitialiser modeles" : "reinitialiser");
    }
    void miseAJourApresChargement() override { appels.push_back("chargement"); }
    void arreter() override { appels.push_back("arreter"); }
};

}  // namespace glyphane::test
