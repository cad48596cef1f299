#include "ai/generateur_coups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ai/joueur_ordinateur.h"
#include "ai/modeles_premier_coup.h"
#include "ai/niveaux.h"
#include "ai/partie_automatique.h"
#include "ai/tour_ordinateur.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/nouvelle_partie.h"
#include "engine/tour.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "tests/dossier_temporaire.h"
#include "tests/jeu_de_test.h"

namespace glyphane {
namespace {

using Cle = std::vector<std::tuple<int, int, char, bool>>;

Cle cleDe(const std::vector<TuilePosee>& tuiles) {
    Cle cle;
    for (const TuilePosee& t : tuiles) cle.emplace_back(t.x, t.y, t.lettre, t.joker);
    return cle;
}

bool ordreAnnonce(const CoupGenere& a, const CoupGenere& b) {
    return a.points != b.points ? a.points > b.points : cleDe(a.tuiles) < cleDe(b.tuiles);
}

void connaitre(LexiconTrie& trie, std::initializer_list<std::string_view> mots) {
    for (const std::string_view mot : mots) trie.insert(mot);
}

// A word crosses H8 in 2 directions and in as many places as it has letters;
// "sas" needs a second s, and a blank never stands in for a letter the rack
// still holds.
TEST(GenerateurCoups, TheFirstMoveCrossesTheCentreAndBlanksOnlyFillWhatTheRackLacks) {
    LexiconTrie trie;
    connaitre(trie, {"as", "sa", "ta", "tas", "sas"});
    const std::vector<CoupGenere> coups = GenererCoups(PlateauFixe{}, "ast", trie);
    EXPECT_EQ(coups.size(), 18u);
    EXPECT_TRUE(std::is_sorted(coups.begin(), coups.end(), ordreAnnonce));
    const CoupGenere* meilleur = meilleurCoup(coups);
    ASSERT_NE(meilleur, nullptr);
    EXPECT_EQ(meilleur->texte, "tas;FHGHHH");
    EXPECT_EQ(meilleur->points, 6);
    EXPECT_EQ(meilleur->mot, "tas");
    EXPECT_EQ(meilleur->sens, sensHorizontal);

    // The blank is the s of as, sa and tas; as the t or the a of ta or tas it
    // would leave the real tile on the rack.
    const std::vector<CoupGenere> avecJoker = GenererCoups(PlateauFixe{}, "ta?", trie);
    EXPECT_EQ(avecJoker.size(), 18u);
    for (const CoupGenere& c : avecJoker) {
        for (const TuilePosee& t : c.tuiles) EXPECT_EQ(t.joker, t.lettre == 's') << c.texte;
    }
    EXPECT_TRUE(GenererCoups(PlateauFixe{}, "", trie).empty());
    EXPECT_EQ(meilleurCoup({}), nullptr);
}

// Lays each move through its text on the current seat's rack and scores it with
// the move evaluation, which must find the same tiles and points.
void verifierParLeMoteur(Partie& partie, const std::vector<CoupGenere>& coups) {
    for (const CoupGenere& coup : coups) {
        SCOPED_TRACE(coup.texte);
        ASSERT_TRUE(PoserTexteDeCoup(partie, coup.texte));
        EXPECT_TRUE(EvaluerCoup(partie));
        EXPECT_EQ(partie.pointsDuCoup, coup.points);
        std::vector<TuilePosee> poses;
        for (int x = 1; x <= tailleGrille; ++x) {
            for (int y = 1; y <= tailleGrille; ++y) {
                const int t = partie.plateau.grilleJeu()[x][y];
                if (t != 0 && partie.plateau.grilleFixe()[x][y] == 0) {
                    poses.push_back({x, y, partie.plateau.LettreJeton()[static_cast<std::size_t>(t)], estJoker(t)});
                }
            }
        }
        EXPECT_EQ(cleDe(poses), cleDe(coup.tuiles));
        RetirerCoup(partie);
    }
}

// maison on row H from column 6.
class GenerateurSurUnPlateau : public test::JeuDeTest, public ::testing::Test {
protected:
    GenerateurSurUnPlateau() {
        for (const char* mot : {"maison", "maisons", "es", "se", "son", "sons", "on", "os", "ma", "mais"}) {
            trie.insert(mot);
        }
        poserFixe("maison", 6, 8);
    }
};

TEST_F(GenerateurSurUnPlateau, CrossWordsScoreAndEveryMoveIsLaidAndScoredAsTheEngineDoes) {
    auChevalet(1, "s?");
    const std::vector<CoupGenere> coups = GenererCoups(plateauFixeDe(partie), "s?", trie);
    const auto trouver = [&](std::string_view texte) {
        const auto trouve =
            std::find_if(coups.begin(), coups.end(), [&](const CoupGenere& c) { return c.texte == texte; });
        return trouve == coups.end() ? nullptr : &*trouve;
    };
    // The s on a double letter: maisons, 7 + 2. A blank s there would leave the
    // real one on the rack.
    ASSERT_NE(trouver("s;LH"), nullptr);
    EXPECT_EQ(trouver("s;LH")->points, 9);
    EXPECT_EQ(trouver("s;LH")->mot, "maisons");
    EXPECT_EQ(std::count_if(coups.begin(), coups.end(), [](const CoupGenere& c) {
                  return c.tuiles.size() == 1 && c.tuiles[0].x == 12 && c.tuiles[0].y == 8;
              }),
              1);
    // A blank e above the s, written last: es scores the s alone, 2, and makes
    // maisons across, 9.
    ASSERT_NE(trouver("se;LHLG"), nullptr);
    EXPECT_EQ(trouver("se;LHLG")->points, 11);
    EXPECT_EQ(trouver("se;LHLG")->mot, "es");
    EXPECT_EQ(trouver("se;LHLG")->sens, sensVertical);
    verifierParLeMoteur(partie, coups);
}

// A computer turn as its search saw it: the committed board, the rack, what the
// search listed, and on the first move the frames it was seeded with.
struct PositionCherchee {
    Grille fixe{};
    std::array<char, nbJetons + 1> lettres{};
    std::string chevalet;
    std::array<std::uint8_t, tailleChevalet + 1> casiers{};
    std::vector<Candidat> candidats;
    std::set<std::vector<std::pair<int, int>>> gabaritsDuPremierCoup;
};

// The position on seat 1 of a fresh game, its rack's blanks without a letter.
void installer(Partie& partie, const PositionCherchee& p) {
    partie.plateau.donnerLettreJoker(jokerA, p.lettres[jokerA]);
    partie.plateau.donnerLettreJoker(jokerB, p.lettres[jokerB]);
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const std::uint8_t t = p.fixe[x][y];
            if (t == 0) continue;
            partie.plateau.poser(t, x, y);
            partie.plateau.fixer(x, y);
            partie.ecran.images[t].deplacable = false;
        }
    }
    for (std::uint8_t j = 1; j <= tailleChevalet; ++j) {
        const std::uint8_t t = p.casiers[j];
        if (t == 0) continue;
        partie.chevalet.ranger(1, t, j);
        DonnerLettreJoker(partie, t, lettreInconnue);
    }
}

std::string chevaletDe(const Partie& partie) {
    std::string chevalet;
    const auto& lettres = partie.plateau.LettreJeton();
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int t = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()][j];
        if (t != 0) chevalet += estJoker(t) ? lettreInconnue : lettres[static_cast<std::size_t>(t)];
    }
    return chevalet;
}

std::set<std::vector<std::pair<int, int>>> gabaritsDuPremierCoup() {
    ModeleOrdinateur modele;
    PoserModelesPremierCoup(modele);
    std::set<std::vector<std::pair<int, int>>> gabarits;
    for (const auto& liste : modele.Possibilites) {
        for (const Possibilite& p : liste) {
            std::vector<std::pair<int, int>> cases;
            for (std::size_t k = 0; k < p.colonnes.size(); ++k) cases.emplace_back(p.colonnes[k], p.lignes[k]);
            gabarits.insert(cases);
        }
    }
    return gabarits;
}

// The tiles of a move text, in the text's order.
std::vector<TuilePosee> tuilesDuTexte(const std::string& texte) {
    std::vector<TuilePosee> tuiles;
    const std::size_t n = texte.find(';');
    for (std::size_t i = 0; n != std::string::npos && i < n && n + 2 + 2 * i < texte.size(); ++i) {
        tuiles.push_back({texte[n + 1 + 2 * i] - 'A' + 1, texte[n + 2 + 2 * i] - 'A' + 1, texte[i], false});
    }
    return tuiles;
}

// The tiles as the rack gives them in this order, the way a move text is laid:
// a real tile of the letter while one is left, else a blank. Then in board order.
std::vector<TuilePosee> commeLeChevalet(std::vector<TuilePosee> tuiles, std::string reste) {
    for (TuilePosee& t : tuiles) {
        const std::size_t reelle = reste.find(t.lettre);
        t.joker = reelle == std::string::npos;
        const std::size_t prise = t.joker ? reste.find(lettreInconnue) : reelle;
        if (prise != std::string::npos) reste.erase(prise, 1);
    }
    std::sort(tuiles.begin(), tuiles.end(), [](const TuilePosee& a, const TuilePosee& b) {
        return std::tie(a.x, a.y) < std::tie(b.x, b.y);
    });
    return tuiles;
}

// The search ranks with its own score: word premiums multiply there, and a lone
// tile's own word takes no word premium. Only moves on such squares differ.
bool scoreDeRangementDifferent(const std::vector<TuilePosee>& tuiles) {
    int somme = 0;
    int produit = 1;
    int primes = 0;
    for (const TuilePosee& t : tuiles) {
        const int m = MultMot[static_cast<std::size_t>(t.x)][static_cast<std::size_t>(t.y)];
        if (m == 1) continue;
        ++primes;
        somme += m;
        produit *= m;
    }
    return tuiles.size() == 1 ? primes == 1 : primes >= 2 && somme != produit;
}

// Why the search, by its own rules, does not list a legal move; empty when it
// should.
std::string horsDeLaRecherche(const CoupGenere& coup, const PositionCherchee& p) {
    // A candidate the search scores 0 is dropped: only blanks count in it.
    if (coup.points == 0) return "zéro point";
    // The search lays a real letter before a blank, along the word: the same
    // letters with the blank elsewhere are another move it never tries.
    if (cleDe(commeLeChevalet(coup.tuiles, p.chevalet)) != cleDe(coup.tuiles)) return "joker";
    if (!p.gabaritsDuPremierCoup.empty()) {
        std::vector<std::pair<int, int>> cases;
        for (const TuilePosee& t : coup.tuiles) cases.emplace_back(t.x, t.y);
        if (!p.gabaritsDuPremierCoup.contains(cases)) return "premier coup hors des gabarits";
    }
    return {};
}

// Seeded games between two computer seats, each turn's search watched. Level 4,
// so that no seven-tile move cuts a search short.
class RechercheContreGenerateur : public ::testing::Test {
protected:
    test::DossierTemporaire dossier;
    LexiconTrie trie;

    void SetUp() override { ASSERT_TRUE(DemarrageDictionnaire(dossier(), trie).toutDemarrer(fluxIntegre())); }

    std::vector<PositionCherchee> jouer(std::uint64_t graine) {
        VueAutomatique vue;
        Hasard hasard{graine};
        CadenceNulle cadence;
        Jeu jeu{trie, vue, hasard, cadence, dossier()};
        std::mutex verrou;
        std::vector<PositionCherchee> positions;
        JoueurOrdinateur joueur(jeu, [&](Jeu& j, ModeleOrdinateur& modele) {
            if (!attendreFinMiseAJour(j)) return;
            const Partie& partie = j.partie;
            PositionCherchee position{partie.plateau.grilleFixe(), partie.plateau.LettreJeton(), chevaletDe(partie),
                                      partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()], {}, {}};
            if (j.partie.plateau.jetonsSurPlateau() == 0) position.gabaritsDuPremierCoup = gabaritsDuPremierCoup();
            TourOrdinateurRelaye(j, modele, [&](Jeu& relais) {
                position.candidats = modele.Candidats;
                {
                    std::lock_guard garde(verrou);
                    positions.push_back(position);
                }
                TourSuivant(relais);
            });
        });
        EXPECT_TRUE(fixerNiveau(jeu.partie, 4));
        NouvellePartie(jeu);
        joueur.attendreInactivite();
        std::lock_guard garde(verrou);
        return positions;
    }
};

TEST_F(RechercheContreGenerateur, TheSearchListsEveryLegalMoveItsRulesAllowWithItsScore) {
    std::map<std::string, int> exceptions;
    int nombrePositions = 0;
    int scoresDeRangement = 0;
    int candidats = 0;
    for (std::uint64_t graine = 1; nombrePositions < 200; ++graine) {
        for (const PositionCherchee& p : jouer(graine)) {
            ++nombrePositions;
            SCOPED_TRACE("graine " + std::to_string(graine) + ", chevalet " + p.chevalet);
            test::JeuDeTest rejoue;
            installer(rejoue.partie, p);
            const std::vector<CoupGenere> coups = GenererCoups(plateauFixeDe(rejoue.partie), p.chevalet, trie);
            verifierParLeMoteur(rejoue.partie, coups);
            std::map<Cle, const CoupGenere*> legaux;
            for (const CoupGenere& c : coups) legaux[cleDe(c.tuiles)] = &c;
            EXPECT_EQ(legaux.size(), coups.size()) << "un coup listé deux fois";

            std::set<Cle> listes;
            for (const Candidat& candidat : p.candidats) {
                const Cle cle = cleDe(commeLeChevalet(tuilesDuTexte(candidat.coup), p.chevalet));
                listes.insert(cle);
                ++candidats;
                const auto legal = legaux.find(cle);
                ASSERT_NE(legal, legaux.end()) << "candidat illégal " << candidat.coup;
                if (scoreDeRangementDifferent(legal->second->tuiles)) {
                    ++scoresDeRangement;
                } else {
                    EXPECT_EQ(candidat.points, legal->second->points) << candidat.coup;
                }
            }
            for (const CoupGenere& c : coups) {
                if (listes.contains(cleDe(c.tuiles))) continue;
                const std::string raison = horsDeLaRecherche(c, p);
                EXPECT_NE(raison, "") << "absent de la recherche : " << c.texte << " " << c.mot << " " << c.points;
                ++exceptions[raison];
            }
        }
    }
    for (const auto& [raison, nombre] : exceptions) RecordProperty(raison.empty() ? "manquants" : raison, nombre);
    RecordProperty("positions", nombrePositions);
    RecordProperty("candidats", candidats);
    RecordProperty("scores de rangement", scoresDeRangement);
}

}  // namespace
}  // namespace glyphane
