#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ai/partie_automatique.h"
#include "engine/nouvelle_partie.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "tests/dossier_temporaire.h"
#include "tests/mise_a_jour_de_test.h"

// Whole seeded games between computer seats on the built-in word list. Every line
// the self-play prints is checked again on a board rebuilt from the lines alone,
// by placement and scoring rules written here apart from the engine's: only the
// premium squares are taken from it.
namespace glyphane {
namespace {

constexpr int centre = 8;

// Face values of the French set; a capital is a blank standing for that letter.
int valeur(char lettre) {
    switch (lettre) {
        case 'd': case 'g': case 'm': return 2;
        case 'b': case 'c': case 'p': return 3;
        case 'f': case 'h': case 'v': return 4;
        case 'j': case 'q': return 8;
        case 'k': case 'w': case 'x': case 'y': case 'z': return 10;
        default: return lettre >= 'a' && lettre <= 'z' ? 1 : 0;
    }
}

char minuscule(char lettre) { return lettre >= 'A' && lettre <= 'Z' ? static_cast<char>(lettre - 'A' + 'a') : lettre; }

struct Pose {
    int x = 0;
    int y = 0;
    char lettre = 0;
};

struct LigneCoup {
    std::string chevalet;
    std::vector<Pose> poses;
    std::string mot;
    int points = 0;
};

// "coup T S RACK TEXTE MOT POINTS", the turn and seat already read.
std::optional<LigneCoup> lireCoup(std::istringstream& champs) {
    LigneCoup coup;
    std::string texte;
    if (!(champs >> coup.chevalet >> texte >> coup.mot >> coup.points)) return std::nullopt;
    const std::size_t separation = texte.find(';');
    if (separation == std::string::npos || texte.size() != 3 * separation + 1) return std::nullopt;
    for (std::size_t i = 0; i < separation; ++i) {
        const char colonne = texte[separation + 1 + 2 * i];
        const char rangee = texte[separation + 2 + 2 * i];
        coup.poses.push_back({colonne - 'A' + 1, rangee - 'A' + 1, texte[i]});
    }
    return coup;
}

class PlateauRejoue {
public:
    bool dedans(int x, int y) const { return x >= 1 && x <= tailleGrille && y >= 1 && y <= tailleGrille; }
    char lettre(int x, int y) const { return dedans(x, y) ? cases[x][y] : 0; }
    bool vide() const {
        return std::all_of(cases.begin(), cases.end(), [](const auto& c) {
            return std::all_of(c.begin(), c.end(), [](char l) { return l == 0; });
        });
    }
    void poser(const Pose& p) { cases[p.x][p.y] = p.lettre; }

private:
    std::array<std::array<char, tailleGrille + 1>, tailleGrille + 1> cases{};
};

// A word the move forms through one square, along (dx, dy).
struct MotForme {
    std::string lettres;  // lower case
    int points = 0;
};

bool estNouvelle(const std::vector<Pose>& poses, int x, int y) {
    return std::any_of(poses.begin(), poses.end(), [&](const Pose& p) { return p.x == x && p.y == y; });
}

// The run of tiles through (x, y) on the board the move is laid on; premiums
// count under the move's own tiles only, and word premiums add up.
MotForme motPar(const PlateauRejoue& plateau, const std::vector<Pose>& poses, int x, int y, int dx, int dy) {
    while (plateau.lettre(x - dx, y - dy) != 0) {
        x -= dx;
        y -= dy;
    }
    MotForme mot;
    int multiplicateur = 0;
    for (; plateau.lettre(x, y) != 0; x += dx, y += dy) {
        const char l = plateau.lettre(x, y);
        mot.lettres += minuscule(l);
        const bool nouvelle = estNouvelle(poses, x, y);
        mot.points += valeur(l) * (nouvelle ? MultLettre[x][y] : 1);
        if (nouvelle && MultMot[x][y] > 1) multiplicateur += MultMot[x][y];
    }
    if (multiplicateur > 0) mot.points *= multiplicateur;
    return mot;
}

// Why the move breaks the rules, or nothing when it keeps them.
class VerificateurDeCoup {
public:
    VerificateurDeCoup(const PlateauRejoue& avant, const LigneCoup& coupLu, const LexiconTrie& trieDuJeu)
        : plateau(avant), coup(coupLu), trie(trieDuJeu) {}

    std::optional<std::string> faute() {
        if (coup.poses.empty() || coup.poses.size() > tailleChevalet) return "nombre de jetons";
        if (auto f = fauteDesCases()) return f;
        if (auto f = fauteDuChevalet()) return f;
        const bool premier = plateau.vide();
        for (const Pose& p : coup.poses) plateau.poser(p);
        if (auto f = fauteDAlignement()) return f;
        if (premier && !estNouvelle(coup.poses, centre, centre)) return "premier coup hors du centre";
        if (premier && coup.poses.size() < 2) return "premier coup d'une lettre";
        if (!premier && !toucheLePlateau()) return "coup isolé";
        return fauteDesMots();
    }

private:
    std::optional<std::string> fauteDesCases() const {
        for (std::size_t i = 0; i < coup.poses.size(); ++i) {
            const Pose& p = coup.poses[i];
            if (!plateau.dedans(p.x, p.y)) return "case hors du plateau";
            if (plateau.lettre(p.x, p.y) != 0) return "case déjà prise";
            for (std::size_t j = 0; j < i; ++j) {
                if (coup.poses[j].x == p.x && coup.poses[j].y == p.y) return "deux jetons sur une case";
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> fauteDuChevalet() const {
        std::string reste = coup.chevalet;
        for (const Pose& p : coup.poses) {
            const char voulu = p.lettre >= 'A' && p.lettre <= 'Z' ? lettreInconnue : p.lettre;
            const std::size_t i = reste.find(voulu);
            if (i == std::string::npos) return std::string("lettre absente du chevalet : ") + p.lettre;
            reste[i] = '.';
        }
        return std::nullopt;
    }

    bool enLigne() const {
        return std::all_of(coup.poses.begin(), coup.poses.end(), [&](const Pose& p) { return p.y == coup.poses[0].y; });
    }
    bool enColonne() const {
        return std::all_of(coup.poses.begin(), coup.poses.end(), [&](const Pose& p) { return p.x == coup.poses[0].x; });
    }

    std::optional<std::string> fauteDAlignement() const {
        if (!enLigne() && !enColonne()) return "jetons hors d'une ligne";
        const auto avant = [](const Pose& a, const Pose& b) { return a.x + a.y < b.x + b.y; };
        const auto [min, max] = std::minmax_element(coup.poses.begin(), coup.poses.end(), avant);
        const int dx = enLigne() ? 1 : 0;
        for (int x = min->x, y = min->y; x <= max->x && y <= max->y; x += dx, y += 1 - dx) {
            if (plateau.lettre(x, y) == 0) return "trou dans le mot";
        }
        return std::nullopt;
    }

    bool toucheLePlateau() const {
        for (const Pose& p : coup.poses) {
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const int x = p.x + dx;
                const int y = p.y + dy;
                if (plateau.lettre(x, y) != 0 && !estNouvelle(coup.poses, x, y)) return true;
            }
        }
        return false;
    }

    // The main word once, then each tile's crossing word; a lone tile has two
    // main words.
    std::vector<MotForme> motsFormes() const {
        const Pose& premiere = coup.poses[0];
        const bool seule = coup.poses.size() == 1;
        const bool horizontal = !seule && enLigne();
        std::vector<MotForme> mots;
        if (seule || horizontal) mots.push_back(motPar(plateau, coup.poses, premiere.x, premiere.y, 1, 0));
        if (seule || !horizontal) mots.push_back(motPar(plateau, coup.poses, premiere.x, premiere.y, 0, 1));
        for (const Pose& p : coup.poses) {
            if (!seule) mots.push_back(motPar(plateau, coup.poses, p.x, p.y, horizontal ? 0 : 1, horizontal ? 1 : 0));
        }
        std::erase_if(mots, [](const MotForme& m) { return m.lettres.size() < 2; });
        return mots;
    }

    // The history keeps the longer word through the first tile, the row's on a tie.
    std::string motPrincipal() const {
        const auto ordreDuPlateau = [](const Pose& a, const Pose& b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
        const Pose& premiere = *std::min_element(coup.poses.begin(), coup.poses.end(), ordreDuPlateau);
        std::string ligne = motPar(plateau, coup.poses, premiere.x, premiere.y, 1, 0).lettres;
        std::string colonne = motPar(plateau, coup.poses, premiere.x, premiere.y, 0, 1).lettres;
        if (ligne.size() < 2) ligne.clear();
        if (colonne.size() < 2) colonne.clear();
        return colonne.size() > ligne.size() ? colonne : ligne;
    }

    std::optional<std::string> fauteDesMots() const {
        const std::vector<MotForme> mots = motsFormes();
        if (mots.empty()) return "aucun mot formé";
        int total = coup.poses.size() == tailleChevalet ? 50 : 0;
        for (const MotForme& mot : mots) {
            if (!trie.contains(mot.lettres)) return "mot inconnu : " + mot.lettres;
            total += mot.points;
        }
        if (total != coup.points) {
            return "points annoncés " + std::to_string(coup.points) + ", comptés " + std::to_string(total);
        }
        if (motPrincipal() != coup.mot) return "mot principal " + coup.mot + ", attendu " + motPrincipal();
        return std::nullopt;
    }

    PlateauRejoue plateau;
    const LigneCoup& coup;
    const LexiconTrie& trie;
};

// What a whole game's lines must show: turns in order and seat after seat,
// every move legal and scored as counted here, exchanges taken from the rack,
// the scores the sum of the moves give and take the end-of-game adjustment, and
// an end by an empty rack or by every seat passing with the bag empty.
class VerificateurDePartie {
public:
    VerificateurDePartie(const LexiconTrie& trieDuJeu, int nombreDeSieges)
        : trie(trieDuJeu), sieges(nombreDeSieges), points(static_cast<std::size_t>(nombreDeSieges) + 1, 0) {}

    void lire(const std::string& ligne) {
        SCOPED_TRACE(ligne);
        std::istringstream champs(ligne);
        std::string nature;
        int tour = 0;
        int siege = 0;
        ASSERT_TRUE(champs >> nature >> tour >> siege);
        EXPECT_EQ(tour, ++tours);
        EXPECT_EQ(siege, (tour - 1) % sieges + 1);
        passesDeSuite = nature == "passe" ? passesDeSuite + 1 : 0;
        chevaletVide = false;
        if (nature == "coup") {
            const std::optional<LigneCoup> coup = lireCoup(champs);
            ASSERT_TRUE(coup);
            verifierCoup(*coup, siege);
        } else if (nature == "echange") {
            std::string chevalet;
            std::string rendus;
            ASSERT_TRUE(champs >> chevalet >> rendus);
            // Four slots, blanks excepted, and the q besides.
            EXPECT_LE(rendus.size(), 5u);
            for (const char l : rendus) {
                EXPECT_NE(l, lettreInconnue);
                EXPECT_NE(chevalet.find(l), std::string::npos) << l;
            }
        } else {
            EXPECT_EQ(nature, "passe");
        }
    }

    void terminer(const std::vector<std::int32_t>& scores, const Partie& finale) {
        ASSERT_EQ(scores.size(), static_cast<std::size_t>(sieges));
        std::int32_t gagnes = 0;
        std::int32_t finals = 0;
        for (int s = 1; s <= sieges; ++s) {
            gagnes += points[static_cast<std::size_t>(s)];
            finals += scores[static_cast<std::size_t>(s - 1)];
            if (!chevaletVide) {
                EXPECT_EQ(scores[static_cast<std::size_t>(s - 1)], points[static_cast<std::size_t>(s)]);
            }
        }
        EXPECT_EQ(finals, gagnes);  // the adjustment only moves points from seat to seat
        EXPECT_EQ(finale.sac.jetonsDansSac(), 0);
        EXPECT_TRUE(chevaletVide || passesDeSuite >= sieges) << "la partie s'arrête sans raison";
        for (int x = 1; x <= tailleGrille; ++x) {
            for (int y = 1; y <= tailleGrille; ++y) {
                const int jeton = finale.plateau.grilleFixe()[x][y];
                const char lettre = jeton == 0 ? 0 : finale.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
                EXPECT_EQ(minuscule(plateau.lettre(x, y)), lettre) << x << "," << y;
            }
        }
    }

private:
    void verifierCoup(const LigneCoup& coup, int siege) {
        const std::optional<std::string> faute = VerificateurDeCoup(plateau, coup, trie).faute();
        EXPECT_FALSE(faute) << *faute;
        for (const Pose& p : coup.poses) plateau.poser(p);
        points[static_cast<std::size_t>(siege)] += coup.points;
        const auto lettres = std::count_if(coup.chevalet.begin(), coup.chevalet.end(), [](char l) { return l != '.'; });
        chevaletVide = static_cast<std::size_t>(lettres) == coup.poses.size();
    }

    const LexiconTrie& trie;
    const int sieges;
    PlateauRejoue plateau;
    std::vector<std::int32_t> points;
    int tours = 0;
    int passesDeSuite = 0;
    bool chevaletVide = false;
};

class PartiesOrdinateur : public ::testing::Test {
protected:
    test::DossierTemporaire dossier;
    LexiconTrie trie;

    void SetUp() override { ASSERT_TRUE(DemarrageDictionnaire(dossier(), trie).toutDemarrer(fluxIntegre())); }

    void jouerEtVerifier(std::uint64_t graine, int sieges, int niveau, int parties) {
        PartieAutomatique automate(trie, dossier(), graine);
        ASSERT_TRUE(automate.fixerNiveau(niveau));
        for (int k = 0; k < parties; ++k) {
            SCOPED_TRACE("graine " + std::to_string(graine) + ", partie " + std::to_string(k + 1));
            const ResultatPartie resultat = automate.jouer(sieges);
            ASSERT_TRUE(resultat.finie);
            VerificateurDePartie verificateur(trie, sieges);
            for (const TourJoue& tour : resultat.tours) verificateur.lire(ligneDuTour(tour));
            verificateur.terminer(resultat.scores, automate.partie());
            EXPECT_GT(resultat.fichiers, 0);
            EXPECT_EQ(automate.partie().drapeaux.miseAJourEnCours.load(), 0);
            EXPECT_EQ(automate.partie().drapeaux.ordiOccupe.load(), 0);
        }
        EXPECT_FALSE(automate.dureesMiseAJour().empty());
        EXPECT_FALSE(automate.dureesRecherche().empty());
    }
};

// The checker itself: a sound line passes, and each broken rule is named.
// The computer player as the program links it in, its turns not watched.
TEST_F(PartiesOrdinateur, AGameBetweenTwoComputerSeatsPlaysToItsEnd) {
    test::VueMuette vue;
    Hasard hasard{std::uint64_t{5}};
    CadenceNulle cadence;
    Jeu jeu{trie, vue, hasard, cadence, dossier()};
    JoueurOrdinateur joueur(jeu);

    NouvellePartie(jeu);
    joueur.attendreInactivite();

    EXPECT_EQ(jeu.partie.deroulement.partieFinie(), partieTerminee);
    EXPECT_GT(jeu.partie.deroulement.score()[1] + jeu.partie.deroulement.score()[2], 0);
    EXPECT_GT(joueur.modeleOrdinateur().compteurFichiers, 7);
    EXPECT_EQ(jeu.partie.drapeaux.miseAJourEnCours.load(), 0);
    EXPECT_EQ(jeu.partie.drapeaux.ordiOccupe.load(), 0);
}

TEST_F(PartiesOrdinateur, TheCheckerNamesTheRuleAMoveBreaks) {
    const auto coupDe = [](const std::string& champs) {
        std::istringstream flux(champs);
        return lireCoup(flux);
    };
    const auto faute = [&](const PlateauRejoue& plateau, const std::string& champs) {
        const std::optional<LigneCoup> coup = coupDe(champs);
        return coup ? VerificateurDeCoup(plateau, *coup, trie).faute().value_or("") : "illisible";
    };
    PlateauRejoue vide;
    // m a i s o n on row H from column 6: the centre's double word, no other premium.
    EXPECT_EQ(faute(vide, "maisonx maison;FHGHHHIHJHKH maison 14"), "");
    EXPECT_EQ(faute(vide, "maisonx maison;FHGHHHIHJHKH maison 15"), "points annoncés 15, comptés 14");
    EXPECT_EQ(faute(vide, "m?isonx mAison;FHGHHHIHJHKH maison 12"), "");
    EXPECT_EQ(faute(vide, "maisonx maison;AAABACADAEAF maison 16"), "premier coup hors du centre");
    EXPECT_EQ(faute(vide, "maisonx maison;FHGHHHIHJHLH maison 16"), "trou dans le mot");
    EXPECT_EQ(faute(vide, "masonxx maison;FHGHHHIHJHKH maison 16"), "lettre absente du chevalet : i");
    EXPECT_EQ(faute(vide, "maisonx mais;FHGHHIIH mais 12"), "jetons hors d'une ligne");
    EXPECT_EQ(faute(vide, "xzkwyqj xz;GHHH xz 40").substr(0, 11), "mot inconnu");

    PlateauRejoue plateau;
    const std::optional<LigneCoup> premier = coupDe("maisonx maison;FHGHHHIHJHKH maison 14");
    ASSERT_TRUE(premier);
    for (const Pose& p : premier->poses) plateau.poser(p);
    // The s on a double letter, the word's other letters at face value.
    EXPECT_EQ(faute(plateau, "sxxxxxx s;LH maisons 9"), "");
    EXPECT_EQ(faute(plateau, "sexxxxx es;AAAB es 4"), "coup isolé");
    EXPECT_EQ(faute(plateau, "sexxxxx es;FHFI es 4"), "case déjà prise");
    EXPECT_EQ(faute(plateau, "sexxxxx se;LHLI se 12"), "mot principal se, attendu maisons");
}

TEST_F(PartiesOrdinateur, EveryMoveOfTwoSeatGamesIsLegalAndCorrectlyScored) { jouerEtVerifier(1, 2, 5, 2); }

TEST_F(PartiesOrdinateur, EveryMoveOfAFourSeatGameAtAWeakLevelIsLegalAndCorrectlyScored) {
    jouerEtVerifier(2, 4, 1, 1);
}

}  // namespace
}  // namespace glyphane
