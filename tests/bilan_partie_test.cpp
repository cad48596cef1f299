#include "ai/bilan_partie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "ai/partie_automatique.h"
#include "ai/top_en_revue.h"
#include "engine/evaluation.h"
#include "engine/verification_mots.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "persist/revoir.h"
#include "tests/dossier_temporaire.h"
#include "tests/jeu_de_test.h"
#include "tests/vue_factice.h"

namespace glyphane {
namespace {

constexpr int centre = 8;

// The best score a rack makes on a board, found the slow way: every square of
// the board as the first tile, both ways, every ordered choice of rack tiles on
// the free squares that follow, a blank as every letter; the engine lays,
// judges and scores each one and checks its words. Racks of three tiles at most.
class ForceBrute {
public:
    ForceBrute(LexiconTrie& trieDuJeu, const std::filesystem::path& dossier)
        : jeu(trieDuJeu, vue, hasard, cadence, dossier) {
        jeu.partie.sieges.fixerNombreJoueurs(2);
        jeu.partie.deroulement.finirDistribution();
    }

    std::int32_t meilleur(const PlateauFixe& plateau, const std::string& chevalet) {
        installer(plateau, chevalet);
        for (const bool horizontal : {true, false}) {
            for (int x = 1; x <= tailleGrille; ++x) {
                for (int y = 1; y <= tailleGrille; ++y) essayerDepuis(x, y, horizontal, {});
            }
        }
        return record;
    }

private:
    Partie& partie() { return jeu.partie; }

    int tuileDe(char lettre) {
        for (int t = 1; t <= nbJetons; ++t) {
            if (!prise[static_cast<std::size_t>(t)] && lettreInitiale(t) == lettre) {
                prise[static_cast<std::size_t>(t)] = true;
                return t;
            }
        }
        return 0;
    }

    void installer(const PlateauFixe& plateau, const std::string& chevalet) {
        for (int x = 1; x <= tailleGrille; ++x) {
            for (int y = 1; y <= tailleGrille; ++y) {
                const CaseFixe& c = plateau[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                if (c.lettre == 0) continue;
                const int t = tuileDe(c.joker ? lettreInconnue : c.lettre);
                if (c.joker) partie().plateau.donnerLettreJoker(t, c.lettre);
                partie().plateau.poser(t, x, y);
                partie().plateau.fixer(x, y);
            }
        }
        for (const char l : chevalet) tuiles.push_back(tuileDe(l));
        utilisee.assign(tuiles.size(), false);
    }

    // The free squares from (x, y) on: the tiles after the first skip the
    // committed ones, as a word laid through them would.
    std::vector<std::pair<int, int>> casesLibres(int x, int y, bool horizontal, std::size_t nombre) const {
        std::vector<std::pair<int, int>> cases;
        while (cases.size() < nombre && x <= tailleGrille && y <= tailleGrille) {
            if (jeu.partie.plateau.grilleFixe()[x][y] == 0) cases.emplace_back(x, y);
            (horizontal ? x : y) += 1;
        }
        return cases;
    }

    void essayerDepuis(int x, int y, bool horizontal, std::vector<int> ordre) {
        if (!ordre.empty()) juger(x, y, horizontal, ordre);
        for (std::size_t i = 0; i < tuiles.size(); ++i) {
            if (utilisee[i]) continue;
            utilisee[i] = true;
            ordre.push_back(static_cast<int>(i));
            essayerDepuis(x, y, horizontal, ordre);
            ordre.pop_back();
            utilisee[i] = false;
        }
    }

    void juger(int x, int y, bool horizontal, const std::vector<int>& ordre) {
        const auto cases = casesLibres(x, y, horizontal, ordre.size());
        if (cases.size() != ordre.size() || cases.front() != std::pair{x, y}) return;
        for (std::size_t i = 0; i < ordre.size(); ++i) {
            partie().plateau.poser(tuiles[static_cast<std::size_t>(ordre[i])], cases[i].first, cases[i].second);
        }
        nommerJokers(ordre, 0);
        partie().plateau.retirerPoses();
    }

    void nommerJokers(const std::vector<int>& ordre, std::size_t depuis) {
        for (std::size_t i = depuis; i < ordre.size(); ++i) {
            const int t = tuiles[static_cast<std::size_t>(ordre[i])];
            if (!estJoker(t)) continue;
            for (char l = 'a'; l <= 'z'; ++l) {
                partie().plateau.donnerLettreJoker(t, l);
                nommerJokers(ordre, i + 1);
            }
            return;
        }
        noter();
    }

    void noter() {
        partie().motsConnus = 1;
        if (!EvaluerCoup(partie())) return;
        if (partie().plateau.jetonsSurPlateau() == 0 && partie().plateau.grilleJeu()[centre][centre] == 0) return;
        VerifierMots(jeu);
        if (partie().motsConnus == 1) record = std::max(record, partie().pointsDuCoup);
    }

    test::VueFactice vue;
    Hasard hasard{std::uint64_t{1}};
    CadenceNulle cadence;
    Jeu jeu;
    std::array<bool, nbJetons + 1> prise{};
    std::vector<int> tuiles;
    std::vector<bool> utilisee;
    std::int32_t record = 0;
};

std::string sansVides(std::string chevalet) {
    std::erase(chevalet, '.');
    std::sort(chevalet.begin(), chevalet.end());
    return chevalet;
}

class BilanDeParties : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dossier = new test::DossierTemporaire;
        trie = new LexiconTrie;
        ASSERT_TRUE(DemarrageDictionnaire((*dossier)(), *trie).toutDemarrer(fluxIntegre()));
    }
    static void TearDownTestSuite() {
        delete trie;
        delete dossier;
    }

    // What the tests read of a seeded game of two computer seats, played once.
    struct PartieJouee {
        ResultatPartie resultat;
        PartieARevoir aRevoir;
        std::string sauvegarde;
    };
    static const PartieJouee& jouee(std::uint64_t graine) {
        static std::map<std::uint64_t, PartieJouee> jouees;
        if (!jouees.contains(graine)) {
            PartieAutomatique automate(*trie, (*dossier)(), graine);
            ResultatPartie resultat = automate.jouer(2);
            jouees[graine] = {std::move(resultat), partieARevoir(automate.partie()),
                              ContenuSauvegarde(automate.partie())};
        }
        return jouees[graine];
    }

    static inline test::DossierTemporaire* dossier = nullptr;
    static inline LexiconTrie* trie = nullptr;
};

// The review reads back from the history what the self-play log saw of each
// turn, its tops are never below the points played, and the totals are the
// sums of the turns.
TEST_F(BilanDeParties, EachTurnIsReadBackAsPlayedAndTheTotalsAddUp) {
    for (const std::uint64_t graine : {3u, 4u}) {
        const ResultatPartie& resultat = jouee(graine).resultat;
        ASSERT_TRUE(resultat.finie);
        const BilanPartie bilan = BilanDePartie(jouee(graine).aRevoir, *trie);
        ASSERT_TRUE(bilan.complet);
        EXPECT_TRUE(bilan.illisibles.empty());
        ASSERT_EQ(bilan.tours.size(), resultat.tours.size());
        std::array<TotalDuSiege, nbSiegesMax + 1> sommes{};
        for (std::size_t i = 0; i < bilan.tours.size(); ++i) {
            const TourRevu& revu = bilan.tours[i];
            const TourJoue& joue = resultat.tours[i];
            SCOPED_TRACE(ligneDuTourRevu(revu));
            EXPECT_EQ(revu.tour, joue.tour);
            EXPECT_EQ(revu.siege, joue.siege);
            EXPECT_EQ(sansVides(revu.chevalet), sansVides(joue.chevalet));
            EXPECT_EQ(texteDuBilan(revu.joue), joue.nature == NatureDuTour::coup ? joue.texte : "-");
            EXPECT_EQ(revu.points, joue.points);
            EXPECT_GE(revu.pointsTop, revu.points);
            sommes[static_cast<std::size_t>(revu.siege)].points += revu.points;
            sommes[static_cast<std::size_t>(revu.siege)].tops += revu.pointsTop;
        }
        for (int s = 1; s <= 2; ++s) {
            EXPECT_EQ(bilan.totaux[static_cast<std::size_t>(s)].points, sommes[static_cast<std::size_t>(s)].points);
            EXPECT_EQ(bilan.totaux[static_cast<std::size_t>(s)].tops, sommes[static_cast<std::size_t>(s)].tops);
        }
    }
}

// A seeded game whose records keep, for the turns of three tiles at most, only
// the tiles played and what follows them on the rack up to three, a blank once:
// on those racks the review's top is the brute force's best.
TEST_F(BilanDeParties, TheTopIsTheBestScoreOfABruteForceSearch) {
    ASSERT_TRUE(jouee(5).resultat.finie);
    PartieARevoir aRevoir = jouee(5).aRevoir;
    const BilanPartie complet = BilanDePartie(aRevoir, *trie);
    std::vector<std::int32_t> courts;
    bool avecJoker = false;
    for (const TourRevu& tour : complet.tours) {
        if (tour.joue.empty() || tour.joue.size() > 3 || courts.size() == 6) continue;
        std::string reste = sansVides(tour.chevalet);
        std::string court;
        for (const TuilePosee& t : tour.joue) {
            court += t.joker ? lettreInconnue : t.lettre;
            reste.erase(reste.find(court.back()), 1);
        }
        // The first rack with room for it gets a blank, which may stand for any letter.
        if (court.size() < 3 && court.find(lettreInconnue) == std::string::npos && !avecJoker) {
            court += lettreInconnue;
            avecJoker = true;
        }
        court += reste.substr(0, 3 - court.size());
        aRevoir.historique[static_cast<std::size_t>(tour.tour)].tirage = court;
        courts.push_back(tour.tour);
    }
    ASSERT_GE(courts.size(), 3u);
    ASSERT_TRUE(avecJoker);

    const BilanPartie bilan = BilanDePartie(aRevoir, *trie);
    PlateauFixe plateau{};
    for (const TourRevu& tour : bilan.tours) {
        if (std::find(courts.begin(), courts.end(), tour.tour) != courts.end()) {
            SCOPED_TRACE(ligneDuTourRevu(tour));
            ForceBrute force(*trie, (*dossier)());
            EXPECT_EQ(tour.pointsTop, force.meilleur(plateau, sansVides(tour.chevalet)));
        }
        for (const TuilePosee& t : tour.joue)
            plateau[static_cast<std::size_t>(t.x)][static_cast<std::size_t>(t.y)] = {t.lettre, t.joker};
    }
}

// A rack the record cannot hold (a stray character, a tile played that it
// lacks, more than seven tiles, none) leaves that turn out of the review and out
// of the totals; the turns after it are reviewed on the board as it stood.
TEST_F(BilanDeParties, ATurnWhoseRackIsDamagedIsLeftOut) {
    PartieARevoir aRevoir = jouee(3).aRevoir;
    const BilanPartie sain = BilanDePartie(aRevoir, *trie);
    ASSERT_GE(sain.tours.size(), 6u);
    const TourRevu& coupDeTrois = sain.tours[2];
    ASSERT_FALSE(coupDeTrois.joue.empty());
    aRevoir.historique[1].tirage = "ab1cdef";
    aRevoir.historique[2].tirage = "";
    aRevoir.historique[3].tirage = coupDeTrois.joue.front().joker ? "zzzzzzz" : "???????";
    aRevoir.historique[4].tirage = "abcdefgh";
    const BilanPartie bilan = BilanDePartie(aRevoir, *trie);
    EXPECT_EQ(bilan.illisibles, (std::vector<std::int32_t>{1, 2, 3, 4}));
    ASSERT_EQ(bilan.tours.size(), sain.tours.size() - 4);
    EXPECT_EQ(ligneDuTourRevu(bilan.tours.front()), ligneDuTourRevu(sain.tours[4]));
    const TotalDuSiege& total = bilan.totaux[1];
    EXPECT_EQ(total.points, sain.totaux[1].points - sain.tours[0].points - sain.tours[2].points);
}

// The loader keeps a record's rack as it reads it: replay never draws from it.
// A saved game whose second turn's rack holds a stray byte loads for replay,
// and its review leaves that turn out.
TEST_F(BilanDeParties, ALoadedGameIsReviewedFromItsRecordsAndADamagedRackIsLeftOut) {
    const BilanPartie joue = BilanDePartie(jouee(3).aRevoir, *trie);
    const std::string& contenu = jouee(3).sauvegarde;

    test::JeuDeTest relu;
    ChargerPartie(relu.jeu, contenu);
    EXPECT_EQ(lignesDuBilan(BilanDePartie(partieARevoir(relu.partie), *trie)), lignesDuBilan(joue));

    // Block 13, the racks, follows the header lines, 18 lines per record and 5 per seat.
    std::vector<std::string> lignes;
    for (std::size_t debut = 0, fin; (fin = contenu.find("\r\n", debut)) != std::string::npos; debut = fin + 2) {
        lignes.push_back(contenu.substr(debut, fin - debut));
    }
    const std::size_t m = jouee(3).aRevoir.historique.size();
    std::string& tirage = lignes[9 + 18 * (m - 1) + 5 * 2 + 1];
    ASSERT_EQ(tirage, jouee(3).aRevoir.historique[2].tirage);
    tirage[0] = '\x01';
    std::string endommage;
    for (const std::string& ligne : lignes) endommage += ligne + "\r\n";
    test::JeuDeTest abime;
    ChargerPartie(abime.jeu, endommage);
    ASSERT_EQ(abime.partie.deroulement.partieFinie(), partieTerminee);
    const BilanPartie bilan = BilanDePartie(partieARevoir(abime.partie), *trie);
    EXPECT_EQ(bilan.illisibles, std::vector<std::int32_t>{2});
    EXPECT_EQ(bilan.tours.size(), joue.tours.size() - 1);
}

// In replay, the top of the move just reached takes that move's place on the
// board, outlined, with pictures of tiles the position does not show; nothing
// is played, and the next step shows what it would have shown without it.
TEST_F(BilanDeParties, TheTopIsLaidInReplayInsteadOfTheMoveAndTheNextStepTakesItAway) {
    const BilanPartie bilan = BilanDePartie(jouee(5).aRevoir, *trie);
    const auto autre = std::find_if(bilan.tours.begin(), bilan.tours.end(),
                                    [](const TourRevu& t) { return texteDuBilan(t.top) != texteDuBilan(t.joue); });
    ASSERT_NE(autre, bilan.tours.end());
    test::JeuDeTest montre;
    test::JeuDeTest temoin;
    for (test::JeuDeTest* t : {&montre, &temoin}) {
        ChargerPartie(t->jeu, jouee(5).sauvegarde);
        revoirDebut(t->jeu);
        for (std::int32_t k = 1; k <= autre->tour; ++k) revoirSuivant(t->jeu);
    }
    const Grille fixe = montre.partie.plateau.grilleFixe();
    MontrerTopEnRevue(montre.jeu, autre->top);

    const Ecran& ecran = montre.partie.ecran;
    GrilleMarques attendues{};
    for (const TuilePosee& tuile : autre->top) {
        attendues[static_cast<std::size_t>(tuile.x)][static_cast<std::size_t>(tuile.y)] = true;
        const auto image = std::find_if(ecran.images.begin() + 1, ecran.images.end(), [&](const ImageJeton& i) {
            return i.visible && i.left == ecran.geometrie.gaucheCase(tuile.x) &&
                   i.top == ecran.geometrie.hautCase(tuile.y);
        });
        ASSERT_NE(image, ecran.images.end()) << texteDuBilan(autre->top);
        const auto jeton = static_cast<std::size_t>(image - ecran.images.begin());
        const char lettre =
            ecran.lettreMontree[jeton] != 0 ? ecran.lettreMontree[jeton] : montre.partie.plateau.LettreJeton()[jeton];
        EXPECT_EQ(lettre, tuile.lettre);
    }
    for (const TuilePosee& tuile : autre->joue) {
        if (attendues[static_cast<std::size_t>(tuile.x)][static_cast<std::size_t>(tuile.y)]) continue;
        const int jeton = fixe[static_cast<std::size_t>(tuile.x)][static_cast<std::size_t>(tuile.y)];
        EXPECT_FALSE(ecran.images[static_cast<std::size_t>(jeton)].visible);
    }
    EXPECT_TRUE(ecran.surlignageSuggestion);
    EXPECT_EQ(ecran.grilleSuggestion, attendues);
    EXPECT_EQ(montre.partie.plateau.grilleFixe(), fixe);
    EXPECT_EQ(montre.partie.plateau.grilleJeu(), fixe);
    EXPECT_EQ(montre.partie.deroulement.score(), temoin.partie.deroulement.score());

    for (void (*pas)(Jeu&) : {revoirSuivant, revoirPrecedent, revoirDebut}) {
        MontrerTopEnRevue(montre.jeu, autre->top);
        pas(montre.jeu);
        pas(temoin.jeu);
        EXPECT_FALSE(ecran.surlignageSuggestion);
        for (int t = 1; t <= nbJetons; ++t) {
            const ImageJeton& a = ecran.images[static_cast<std::size_t>(t)];
            const ImageJeton& b = temoin.partie.ecran.images[static_cast<std::size_t>(t)];
            EXPECT_EQ(std::tie(a.left, a.top, a.visible, a.deplacable),
                      std::tie(b.left, b.top, b.visible, b.deplacable))
                << "jeton " << t << ", position " << montre.partie.positionRevoir;
        }
    }
}

TEST(BilanPartie, TheShareIsAWholePercentageRoundedDown) {
    EXPECT_EQ((TotalDuSiege{0, 0}.part()), 100);
    EXPECT_EQ((TotalDuSiege{2, 3}.part()), 66);
    EXPECT_EQ((TotalDuSiege{0, 7}.part()), 0);
    EXPECT_EQ(ligneDuTotal(2, {2, 3}), "total 2 2 3 66");
}

}  // namespace
}  // namespace glyphane
