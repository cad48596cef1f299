#include "ai/recherche_coups.h"

#include <gtest/gtest.h>

#include "ai/fichier_mots.h"
#include "ai/recherche_candidats.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "tests/recherche_de_test.h"

// Squares are (column, row), rows A..O = 1..15; move texts code both as "A".."O".
namespace glyphane {
namespace {

using Lignes = std::vector<std::string>;
using Points = std::vector<std::int32_t>;

class Chercher : public ::testing::Test {
protected:
    test::RechercheDeTest t;

    // A seven-tile seed and a two-letter one; "abeille" is found twice.
    void septLettres(std::string_view chevalet) {
        t.connaitre({"abeille", "ai"});
        for (const int n : {7, 8}) t.fichier(n, {"abeille"});
        t.fichier(2, {"ai"});
        for (const int n : {7, 8})
            t.possibilite("???????", n, {{2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}, {7, 8}, {8, 8}});
        t.possibilite("??", 2, {{7, 8}, {8, 8}});
        t.auChevalet(1, chevalet);
    }
};

TEST_F(Chercher, FirstMoveKnownAnswer) {
    t.semerPremierCoup();
    t.auChevalet(1, "tea");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"eta;FHGHHH", "tea;FHGHHH", "et;GHHH", "ta;GHHH", "te;GHHH"}));
    EXPECT_EQ(t.points(), (Points{6, 6, 4, 4, 4}));
    EXPECT_EQ(t.lignesMemo(), (Lignes{"eta             6   H6", "tea             6   H6", "et              4   H7",
                                      "ta              4   H7", "te              4   H7"}));
    const EtatControles e = t.partie.fenetre.copie();
    EXPECT_EQ(e.progression, 0);
    EXPECT_EQ(e.progressionMax, 2);
    EXPECT_FALSE(e.memoCache.visible);
}

// Across "mer": "ai" would form "meri"; the "e" or "a" of row G has nothing beside
// it, and the single letter is not looked up.
TEST_F(Chercher, CrossWordsAreCheckedAndScoredAndBoardLettersMarked) {
    t.poserFixe("mer", 7, 8);
    t.noterPlateau();
    t.connaitre({"mer", "mers", "ai", "as", "es"});
    t.fichier(8, {"ai", "as", "es"});
    t.fichier(9, {"mers"});
    t.possibilite("??", 8, {{10, 7}, {10, 8}});
    t.possibilite("mer?", 9, {{10, 8}});
    t.auChevalet(1, "easi");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"as;JGJH", "es;JGJH", "s;JH"}));
    EXPECT_EQ(t.points(), (Points{7, 7, 5}));  // 2 + "mers" 5; "mers" without a word premium
    EXPECT_EQ(t.lignesMemo(),
              (Lignes{"as              7   10G", "es              7   10G", "mers            5   H10"}));
    const LigneMot mers = t.partie.fenetre.copie().memo1.at(2);
    EXPECT_EQ(std::vector<bool>(mers.dejaPose.begin(), mers.dejaPose.begin() + 5),
              (std::vector<bool>{true, true, true, false, false}));
}

// Double letter at column 4: the real "e" scores there, the blank scores nothing.
TEST_F(Chercher, ARealLetterIsUsedBeforeTheBlank) {
    t.connaitre({"ete", "est"});
    t.fichier(8, {"ete", "est"});
    t.possibilite("???", 8, {{4, 8}, {5, 8}, {6, 8}});
    const auto tuiles = t.auChevalet(1, "e?t");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"ete;DHEHFH", "est;DHEHFH"}));
    EXPECT_EQ(t.points(), (Points{3, 3}));
    EXPECT_EQ(t.partie.plateau.LettreJeton()[tuiles[2]], '?');
}

TEST_F(Chercher, SevenTilesAddFiftyAndAreListedOnce) {
    septLettres("abeille");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"abeille;BHCHDHEHFHGHHH", "ai;GHHH"}));
    EXPECT_EQ(t.points().front(), 70);  // (1 + 3 + 1 x 2 + 1 + 1 + 1 + 1) x 2 + 50
    EXPECT_EQ(t.lignesMemo().front(), "abeille         70  H2");
}

TEST_F(Chercher, BestLevelComputerStopsAfterSevenTileMoves) {
    septLettres("abeille");
    t.partie.sieges.confierALOrdinateur(1, true);
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"abeille;BHCHDHEHFHGHHH"}));
    t.partie.fenetre.modifier([](EtatControles& e) { e.niveau = 4; });
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups().size(), 2u);
    EXPECT_TRUE(t.vue.messages.empty());
}

TEST_F(Chercher, AHumanWithABlankMayStopAfterSevenTileMoves) {
    septLettres("abeile?");
    t.vue.reponses = {Reponse::non, Reponse::oui};
    EXPECT_FALSE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"abeille;BHCHDHEHFHGHHH"}));
    EXPECT_EQ(t.points(), (Points{68}));  // the second "l" is the blank
    EXPECT_EQ(t.partie.fenetre.copie().progression, 0);
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups().size(), 2u);
    const test::VueFactice::Message question{",,Voulez-vous continuer la ,recherche ?,;", "Mots de 7 lettres trouvés",
                                             true};
    EXPECT_EQ(t.vue.messages, (std::vector<test::VueFactice::Message>{question, question}));
}

// A lone tile on the double word of E5 under "le": no premium on "les" itself.
// Beside an "a" the move runs along the row and "les" crosses it, doubled.
TEST_F(Chercher, ALoneTileTakesItsWordPremiumInItsCrossingWordOnly) {
    t.poserFixe("le", 5, 3, false);
    t.connaitre({"les", "sa", "si"});
    t.fichier(2, {"sa", "si"});
    t.possibilite("?", 2, {{5, 5}});
    t.noterPlateau();
    t.auChevalet(1, "s");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"s;EE"}));
    // The list shows the word the tile makes, not the file's first "s" word.
    EXPECT_EQ(t.lignesMemo(), (Lignes{"les             3   5E"}));

    t.poserFixe("a", 6, 5);
    t.noterPlateau();
    t.fichier(9, {"sa"});
    t.modele.Possibilites[1] = {};
    t.possibilite("?a", 9, {{5, 5}});
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.lignesMemo(), (Lignes{"sa              8   E5"}));  // 2 + (1 + 1 + 1) x 2
}

TEST_F(Chercher, UnusableRecordsAndFilesAreSkipped) {
    t.semerPremierCoup();
    t.modele.Possibilites[2].front().valide = 0;
    t.possibilite("???", 99, {{6, 8}, {7, 8}, {8, 8}});  // no such file
    t.possibilite("???", 3, {{6, 8}, {7, 9}, {8, 8}});   // not on one line
    t.poserFixe("x", 1, 1);
    t.possibilite("???", 3, {{1, 1}, {1, 2}, {1, 3}});  // covered since
    t.auChevalet(1, "tea");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_EQ(t.coups(), (Lignes{"eta;FHGHHH", "tea;FHGHHH"}));
}

TEST_F(Chercher, EmptyRackListsNothingAndAStopEndsTheSearch) {
    t.semerPremierCoup();
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    EXPECT_TRUE(t.coups().empty());
    t.auChevalet(1, "tea");
    t.partie.drapeaux.arretDemande = 1;
    EXPECT_FALSE(ChercherCoups(t.jeu, t.modele));
    EXPECT_TRUE(t.coups().empty());
    t.partie.deroulement.donnerLaMainA(0);
    t.partie.drapeaux.arretDemande = 0;
    EXPECT_FALSE(ChercherCoups(t.jeu, t.modele));
}

// The search alone: nothing on the game moves, and the watcher sees each
// record's new candidates and stops it when it says so.
TEST_F(Chercher, TheBareSearchReportsEachRecordAndStopsWhenTold) {
    struct Suivi final : SuiviRecherche {
        int records = 99;
        std::vector<std::size_t> nouveaux;
        bool continuer() override { return records-- > 0; }
        void apresRecord(bool, std::span<const Candidat> n) override { nouveaux.push_back(n.size()); }
    };
    t.semerPremierCoup();
    const ChevaletDeRecherche chevalet{"tea----", "1110000", 3, 0};
    const auto lire = [this](std::int32_t n, std::string& contenu) { return LireFichierMots(t.jeu, n, contenu); };
    Suivi suivi;
    const Grille& plateau = t.partie.plateau.grilleFixe();
    const CandidatsTrouves tout = ChercherCandidats(plateau, chevalet, t.modele, t.trie, lire, &suivi);
    EXPECT_FALSE(tout.arretee);
    Lignes coups;
    Points points;
    for (const Candidat& c : tout.candidats) {
        coups.push_back(c.coup);
        points.push_back(c.points);
    }
    EXPECT_EQ(coups, (Lignes{"eta;FHGHHH", "tea;FHGHHH", "et;GHHH", "ta;GHHH", "te;GHHH"}));
    EXPECT_EQ(points, (Points{6, 6, 4, 4, 4}));
    EXPECT_EQ(tout.candidats.front().ligne.texte, "eta             6   H6");
    EXPECT_EQ(suivi.nouveaux, (std::vector<std::size_t>{2, 3}));
    EXPECT_TRUE(t.lignesMemo().empty());

    Suivi court;
    court.records = 1;
    const CandidatsTrouves arretee = ChercherCandidats(plateau, chevalet, t.modele, t.trie, lire, &court);
    EXPECT_TRUE(arretee.arretee);
    EXPECT_EQ(arretee.candidats.size(), 2u);
}

// Every segment of the board a word could fill, with every word of its length
// that agrees with its letters: the lists an exhaustive update would leave.
void possibilitesExhaustives(test::RechercheDeTest& t, const std::vector<std::string>& dico) {
    const Grille& g = t.partie.plateau.grilleFixe();
    const auto pris = [&](bool h, int l, int p) { return p >= 1 && p <= 15 && (h ? g[p][l] : g[l][p]) != 0; };
    int numero = 8;
    for (const bool h : {true, false}) {
        for (int l = 1; l <= 15; ++l) {
            for (int a = 1; a <= 15; ++a) {
                for (int b = a; b <= 15 && !pris(h, l, a - 1); ++b) {
                    std::string motif;
                    std::vector<std::pair<int, int>> cases;
                    bool relie = false;
                    for (int p = a; p <= b; ++p) {
                        const int x = h ? p : l, y = h ? l : p;
                        motif += g[x][y] != 0 ? t.partie.plateau.LettreJeton()[g[x][y]] : '?';
                        if (g[x][y] != 0) relie = true;
                        if (g[x][y] == 0) cases.push_back({x, y});
                        if (g[x][y] == 0 && (pris(!h, p, l - 1) || pris(!h, p, l + 1))) relie = true;
                    }
                    const bool seul = motif == "?";
                    if (pris(h, l, b + 1) || !relie || cases.empty() || cases.size() > 7) continue;
                    if ((seul && !h) || (cases.size() == 1 && !h)) continue;
                    std::vector<std::string> mots;
                    for (const std::string& mot : dico) {
                        bool va = mot.size() == (seul ? 2 : motif.size());
                        for (std::size_t j = 0; va && j < motif.size(); ++j) va = motif[j] == '?' || motif[j] == mot[j];
                        if (va) mots.push_back(mot);
                    }
                    if (mots.empty()) continue;
                    t.fichier(numero, mots);
                    t.possibilite(motif, numero++, cases);
                }
            }
        }
    }
}

TEST_F(Chercher, EveryListedMoveIsLegalOnceLaid) {
    const std::vector<std::string> dico = {
        "ai",    "as",    "el",    "es",    "il",    "la",    "le",     "ma",     "me",     "ra",    "re",
        "sa",    "se",    "si",    "ta",    "te",    "ail",   "air",    "ami",    "are",    "ile",   "les",
        "lie",   "mal",   "mer",   "mie",   "ras",   "rat",   "rie",    "sel",    "aile",   "arme",  "lier",
        "lire",  "mais",  "mari",  "mere",  "rail",  "rame",  "rime",   "sale",   "sire",   "aimer", "ailes",
        "lires", "miser", "rames", "ramer", "salir", "serai", "ramies", "salier", "malines"};
    for (const std::string& mot : dico) t.trie.insert(mot);
    t.poserFixe("rame", 6, 8);
    t.poserFixe("l", 9, 7);
    t.poserFixe("s", 9, 9);
    t.noterPlateau();
    possibilitesExhaustives(t, dico);
    t.auChevalet(1, "ailrs?e");
    EXPECT_TRUE(ChercherCoups(t.jeu, t.modele));
    ASSERT_GT(t.coups().size(), 20u);
    for (const std::string& coup : t.coups()) {
        RetirerCoup(t.partie);
        ASSERT_TRUE(PoserTexteDeCoup(t.partie, coup)) << coup;
        ASSERT_TRUE(EvaluerCoup(t.partie)) << coup;
        const Evaluation& e = t.partie.evaluation;
        for (std::size_t i = 1; i <= 7; ++i) {
            EXPECT_TRUE(e.aMotH[i] == 0 || t.trie.contains(e.motH[i])) << coup << " " << e.motH[i];
            EXPECT_TRUE(e.aMotV[i] == 0 || t.trie.contains(e.motV[i])) << coup << " " << e.motV[i];
        }
    }
}

}  // namespace
}  // namespace glyphane
