#include "ai/generateur_coups.h"

#include <algorithm>
#include <tuple>

#include "engine/jetons.h"

namespace glyphane {

namespace {
constexpr int nbLettres = 26;
constexpr std::uint32_t toutesLesLettres = (1u << nbLettres) - 1;
constexpr int sansMotCroise = -1;
constexpr int centre = 8;

static_assert(lettreInitiale(1) == 'a' && lettreInitiale(nbLettres) == 'z', "tiles 1..26 carry a..z in order");

bool estLettre(char l) { return l >= 'a' && l <= 'z'; }
int indiceLettre(char l) { return l - 'a'; }
int valeurDeLettre(char l) { return estLettre(l) ? ValeurJeton[static_cast<std::size_t>(indiceLettre(l) + 1)] : 0; }
int valeurFixe(const CaseFixe& c) { return c.joker ? 0 : valeurDeLettre(c.lettre); }

// The trie keeps the letters that may follow a prefix as one ascending list.
const TrieNode* suivants(const LexiconTrie& trie, const TrieNode* noeud) {
    return noeud == nullptr ? trie.racine() : noeud->child;
}

const TrieNode* dansLaListe(const TrieNode* liste, char lettre) {
    const auto cherchee = static_cast<std::uint8_t>(lettre);
    while (liste != nullptr && liste->letter < cherchee) liste = liste->sibling;
    return liste != nullptr && liste->letter == cherchee ? liste : nullptr;
}

// The node reached by spelling `lettres` from `noeud`; null when the trie has
// no such path.
const TrieNode* suivre(const LexiconTrie& trie, const TrieNode* noeud, std::string_view lettres) {
    for (const char l : lettres) {
        noeud = dansLaListe(suivants(trie, noeud), l);
        if (noeud == nullptr) return nullptr;
    }
    return noeud;
}

struct Pas {
    int dx;
    int dy;
};

bool surLePlateau(int x, int y) { return x >= 1 && x <= tailleGrille && y >= 1 && y <= tailleGrille; }

// A move is searched along lines: the rows (position = column) in one pass, the
// columns (position = row) in the other. Its crossing words run along `travers`.
struct Passe {
    bool horizontale;
    Pas travers;
    int x(int ligne, int position) const { return horizontale ? position : ligne; }
    int y(int ligne, int position) const { return horizontale ? ligne : position; }
};
constexpr Passe parRangees{true, {0, 1}};
constexpr Passe parColonnes{false, {1, 0}};

// What the board allows on an empty square across the line being searched.
struct Croisement {
    std::uint32_t permises = toutesLesLettres;  // bit i: letter "a" + i
    int somme = sansMotCroise;                  // the crossing word's committed points
    bool ancre = false;                         // a move must cover at least one of these
};

// A square of the line being searched: committed, laid by the move being
// built, or empty.
struct CaseDeLigne {
    char lettre = 0;
    bool joker = false;
    bool nouvelle = false;
};

class Generateur {
public:
    Generateur(const PlateauFixe& plateauFixe, std::string_view chevalet, const LexiconTrie& trieDuJeu)
        : plateau(plateauFixe), trie(trieDuJeu) {
        for (const char l : chevalet.substr(0, tailleChevalet)) {
            if (estLettre(l)) ++lettres[static_cast<std::size_t>(indiceLettre(l))];
            if (l == lettreInconnue) ++jokers;
            if (estLettre(l) || l == lettreInconnue) ++nombreJetons;
        }
        plateauVide = std::all_of(plateau.begin() + 1, plateau.end(), [](const auto& colonne) {
            return std::all_of(colonne.begin() + 1, colonne.end(), [](const CaseFixe& c) { return c.lettre == 0; });
        });
    }

    std::vector<CoupGenere> generer() && {
        if (nombreJetons == 0) return {};
        for (const Passe& p : {parRangees, parColonnes}) {
            passe = p;
            preparerCroisements();
            for (ligne = 1; ligne <= tailleGrille; ++ligne) parcourirLigne();
        }
        std::sort(coups.begin(), coups.end(), [](const CoupGenere& a, const CoupGenere& b) {
            if (a.points != b.points) return a.points > b.points;
            return std::lexicographical_compare(
                a.tuiles.begin(), a.tuiles.end(), b.tuiles.begin(), b.tuiles.end(),
                [](const TuilePosee& s, const TuilePosee& t) {
                    return std::tie(s.x, s.y, s.lettre, s.joker) < std::tie(t.x, t.y, t.lettre, t.joker);
                });
        });
        return std::move(coups);
    }

private:
    static std::size_t idx(int n) { return static_cast<std::size_t>(n); }
    const CaseFixe& fixe(int x, int y) const { return plateau[idx(x)][idx(y)]; }
    bool occupee(int x, int y) const { return surLePlateau(x, y) && fixe(x, y).lettre != 0; }

    struct Attenantes {
        std::string lettres;
        int points = 0;
    };

    // The committed run that touches (x, y) on the side of `pas`, read away from it.
    Attenantes attenantes(int x, int y, Pas pas) const {
        Attenantes suite;
        for (x += pas.dx, y += pas.dy; occupee(x, y); x += pas.dx, y += pas.dy) {
            suite.lettres.push_back(fixe(x, y).lettre);
            suite.points += valeurFixe(fixe(x, y));
        }
        return suite;
    }

    Croisement croisementEn(int x, int y) const {
        Croisement c;
        const Pas d = passe.travers;
        c.ancre = plateauVide ? x == centre && y == centre
                              : occupee(x + 1, y) || occupee(x - 1, y) || occupee(x, y + 1) || occupee(x, y - 1);
        Attenantes avant = attenantes(x, y, {-d.dx, -d.dy});
        const Attenantes apres = attenantes(x, y, d);
        if (avant.lettres.empty() && apres.lettres.empty()) return c;
        std::reverse(avant.lettres.begin(), avant.lettres.end());
        c.somme = avant.points + apres.points;
        c.permises = 0;
        const TrieNode* debut = avant.lettres.empty() ? nullptr : suivre(trie, nullptr, avant.lettres);
        if (!avant.lettres.empty() && debut == nullptr) return c;
        for (const TrieNode* n = suivants(trie, debut); n != nullptr; n = n->sibling) {
            if (!estLettre(static_cast<char>(n->letter))) continue;
            const TrieNode* fin = suivre(trie, n, apres.lettres);
            if (fin != nullptr && fin->isWord != 0) c.permises |= 1u << indiceLettre(static_cast<char>(n->letter));
        }
        return c;
    }

    void preparerCroisements() {
        for (int l = 1; l <= tailleGrille; ++l) {
            for (int p = 1; p <= tailleGrille; ++p) {
                const int x = passe.x(l, p);
                const int y = passe.y(l, p);
                croisements[idx(l)][idx(p)] = occupee(x, y) ? Croisement{0, sansMotCroise, false} : croisementEn(x, y);
            }
        }
    }

    const Croisement& croisement(int p) const { return croisements[idx(ligne)][idx(p)]; }

    void parcourirLigne() {
        cases.fill({});
        for (int p = 1; p <= tailleGrille; ++p) {
            cases[idx(p)].lettre = fixe(passe.x(ligne, p), passe.y(ligne, p)).lettre;
            cases[idx(p)].joker = fixe(passe.x(ligne, p), passe.y(ligne, p)).joker;
        }
        for (int ancre = 1; ancre <= tailleGrille; ++ancre) {
            if (croisement(ancre).ancre) depuisAncre(ancre);
        }
    }

    // A move is found from the first anchor it covers: tiles before that anchor
    // lie on free squares that touch nothing, or are the committed run just
    // before it.
    void depuisAncre(int ancre) {
        if (cases[idx(ancre - 1)].lettre != 0) {
            int debut = ancre - 1;
            while (cases[idx(debut - 1)].lettre != 0) --debut;
            std::string avant;
            for (int p = debut; p < ancre; ++p) avant.push_back(cases[idx(p)].lettre);
            if (const TrieNode* noeud = suivre(trie, nullptr, avant)) etendre(ancre, noeud, ancre, debut);
            return;
        }
        int libres = 0;
        for (int p = ancre - 1; p >= 1 && !croisement(p).ancre && cases[idx(p)].lettre == 0; --p) ++libres;
        partieGauche(ancre, nullptr, 0, std::min(libres, nombreJetons - 1));
    }

    // Tries every rack tile that may follow the prefix: a real one, and a blank
    // standing for that letter.
    template <class Suite>
    void essayerLettre(char lettre, std::uint32_t permises, Suite&& suite) {
        if (!estLettre(lettre) || (permises >> indiceLettre(lettre) & 1u) == 0) return;
        int& reelles = lettres[idx(indiceLettre(lettre))];
        if (reelles > 0) {
            --reelles;
            suite(false);
            ++reelles;
        }
        if (jokers > 0) {
            --jokers;
            suite(true);
            ++jokers;
        }
    }

    // The prefix laid before the anchor, `longueur` tiles, is in `prefixe`.
    void partieGauche(int ancre, const TrieNode* noeud, int longueur, int limite) {
        for (int i = 0; i < longueur; ++i) cases[idx(ancre - longueur + i)] = prefixe[idx(i)];
        etendre(ancre, noeud, ancre, ancre - longueur);
        for (int i = 0; i < longueur; ++i) cases[idx(ancre - longueur + i)] = {};
        if (longueur == limite) return;
        for (const TrieNode* n = suivants(trie, noeud); n != nullptr; n = n->sibling) {
            const char lettre = static_cast<char>(n->letter);
            essayerLettre(lettre, toutesLesLettres, [&](bool joker) {
                prefixe[idx(longueur)] = {lettre, joker, true};
                partieGauche(ancre, n, longueur + 1, limite);
            });
        }
    }

    void etendre(int p, const TrieNode* noeud, int ancre, int debut) {
        if (p <= tailleGrille && cases[idx(p)].lettre != 0) {
            const TrieNode* n = dansLaListe(suivants(trie, noeud), cases[idx(p)].lettre);
            if (n != nullptr) etendre(p + 1, n, ancre, debut);
            return;
        }
        if (p > ancre && noeud != nullptr && noeud->isWord != 0 && p - debut >= 2) noter(debut, p - 1);
        if (p > tailleGrille) return;
        const std::uint32_t permises = croisement(p).permises;
        for (const TrieNode* n = suivants(trie, noeud); n != nullptr; n = n->sibling) {
            const char lettre = static_cast<char>(n->letter);
            essayerLettre(lettre, permises, [&](bool joker) {
                cases[idx(p)] = {lettre, joker, true};
                etendre(p + 1, n, ancre, debut);
                cases[idx(p)] = {};
            });
        }
    }

    // The word across the line through position p, with its tile.
    std::string motCroise(int p) const {
        const int x = passe.x(ligne, p);
        const int y = passe.y(ligne, p);
        const Pas d = passe.travers;
        std::string avant = attenantes(x, y, {-d.dx, -d.dy}).lettres;
        const std::string apres = attenantes(x, y, d).lettres;
        if (avant.empty() && apres.empty()) return {};
        std::reverse(avant.begin(), avant.end());
        return avant + cases[idx(p)].lettre + apres;
    }

    bool jokerEvitable() const {
        for (int p = 1; p <= tailleGrille; ++p) {
            const CaseDeLigne& c = cases[idx(p)];
            if (c.nouvelle && c.joker && lettres[idx(indiceLettre(c.lettre))] > 0) return true;
        }
        return false;
    }

    void noter(int debut, int fin) {
        int nombre = 0;
        int premiere = 0;
        for (int p = debut; p <= fin; ++p) {
            if (!cases[idx(p)].nouvelle) continue;
            if (nombre++ == 0) premiere = p;
        }
        // A lone tile with a word along the row was listed by the rows' pass.
        if (!passe.horizontale && nombre == 1 && croisement(premiere).somme != sansMotCroise) return;
        if (jokerEvitable()) return;

        CoupGenere coup;
        std::int32_t lettresDuMot = 0;
        std::int32_t multiplicateur = 0;
        std::int32_t croises = 0;
        std::string mot;
        for (int p = debut; p <= fin; ++p) {
            const CaseDeLigne& c = cases[idx(p)];
            mot.push_back(c.lettre);
            const int valeur = c.joker ? 0 : valeurDeLettre(c.lettre);
            if (!c.nouvelle) {
                lettresDuMot += valeur;
                continue;
            }
            const int x = passe.x(ligne, p);
            const int y = passe.y(ligne, p);
            coup.tuiles.push_back({x, y, c.lettre, c.joker});
            const int pointsLettre = valeur * MultLettre[idx(x)][idx(y)];
            const int primeMot = MultMot[idx(x)][idx(y)];
            lettresDuMot += pointsLettre;
            // Word premiums add up, as the move evaluation counts them.
            if (primeMot > 1) multiplicateur += primeMot;
            const int somme = croisement(p).somme;
            if (somme != sansMotCroise) croises += (somme + pointsLettre) * primeMot;
        }
        coup.points = (multiplicateur == 0 ? lettresDuMot : lettresDuMot * multiplicateur) + croises +
                      (nombre == tailleChevalet ? bonusSeptJetons : 0);

        const std::string travers = motCroise(premiere);
        const std::string& colonne = passe.horizontale ? travers : mot;
        const std::string& rangee = passe.horizontale ? mot : travers;
        coup.sens = colonne.size() > rangee.size() ? sensVertical : sensHorizontal;
        coup.mot = coup.sens == sensVertical ? colonne : rangee;
        coup.texte = texteDuCoup(coup.tuiles);
        coups.push_back(std::move(coup));
    }

    static std::string texteDuCoup(const std::vector<TuilePosee>& tuiles) {
        std::string lettresDuTexte;
        std::string coordonnees;
        for (const bool joker : {false, true}) {
            for (const TuilePosee& t : tuiles) {
                if (t.joker != joker) continue;
                lettresDuTexte.push_back(t.lettre);
                coordonnees.push_back(static_cast<char>('A' + t.x - 1));
                coordonnees.push_back(static_cast<char>('A' + t.y - 1));
            }
        }
        return lettresDuTexte + ';' + coordonnees;
    }

    const PlateauFixe& plateau;
    const LexiconTrie& trie;
    std::array<int, nbLettres> lettres{};  // real tiles left on the rack, by letter
    int jokers = 0;
    int nombreJetons = 0;
    bool plateauVide = true;

    Passe passe = parRangees;
    std::array<std::array<Croisement, tailleGrille + 1>, tailleGrille + 1> croisements{};  // [ligne][position]
    int ligne = 1;
    // The line being searched, positions 1..15, with an empty square at each end.
    std::array<CaseDeLigne, tailleGrille + 2> cases{};
    std::array<CaseDeLigne, tailleChevalet> prefixe{};
    std::vector<CoupGenere> coups;
};

}  // namespace

PlateauFixe plateauFixeDe(const Partie& partie) {
    PlateauFixe plateau{};
    for (std::size_t x = 1; x <= tailleGrille; ++x) {
        for (std::size_t y = 1; y <= tailleGrille; ++y) {
            const int jeton = partie.plateau.grilleFixe()[x][y];
            if (jeton == 0) continue;
            plateau[x][y] = {partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)], estJoker(jeton)};
        }
    }
    return plateau;
}

std::vector<CoupGenere> GenererCoups(const PlateauFixe& plateau, std::string_view chevalet, const LexiconTrie& trie) {
    return Generateur(plateau, chevalet, trie).generer();
}

const CoupGenere* meilleurCoup(const std::vector<CoupGenere>& coups) {
    return coups.empty() ? nullptr : &coups.front();
}

}  // namespace glyphane
