#include "persist/lecture_sauvegarde.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "lexicon/texte_windows.h"
#include "persist/coherence_sauvegarde.h"

namespace glyphane {

namespace {

// Thrown at the first fault; the file is then damaged as a whole.
struct Endommagee {};

void exiger(bool condition) {
    if (!condition) throw Endommagee{};
}

constexpr long long scoreMax = 999999;

// The file's lines, without their CR LF (or LF alone), one after another.
class Lignes {
public:
    explicit Lignes(std::string_view texteLu) : reste(texteLu) {}

    bool finies() const { return reste.empty(); }

    std::string_view suivante() {
        exiger(!finies());
        const std::size_t fin = reste.find('\n');
        std::string_view ligne = reste.substr(0, fin);
        reste = fin == std::string_view::npos ? std::string_view{} : reste.substr(fin + 1);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        return ligne;
    }

    long long restantes() const {
        const auto sauts = static_cast<long long>(std::count(reste.begin(), reste.end(), '\n'));
        return sauts + (!reste.empty() && reste.back() != '\n' ? 1 : 0);
    }

private:
    std::string_view reste;
};

// A decimal integer filling the whole text.
long long entier(std::string_view texteLu) {
    long long valeur = 0;
    const char* fin = texteLu.data() + texteLu.size();
    const auto [lu, erreur] = std::from_chars(texteLu.data(), fin, valeur);
    exiger(!texteLu.empty() && erreur == std::errc{} && lu == fin);
    return valeur;
}

long long entierEntre(std::string_view texteLu, long long min, long long max) {
    const long long valeur = entier(texteLu);
    exiger(valeur >= min && valeur <= max);
    return valeur;
}

int petitEntier(std::string_view texteLu, int min, int max) { return static_cast<int>(entierEntre(texteLu, min, max)); }

std::string texteCoupe(std::string_view ligne, std::size_t largeur) {
    return texte::depuisWindows1252(ligne.substr(0, largeur));
}

// The first character: a letter a..z, or "?" while none was chosen.
char lettreJoker(std::string_view ligne) {
    exiger(!ligne.empty());
    const char lettre = ligne[0];
    exiger((lettre >= 'a' && lettre <= 'z') || lettre == lettreInconnue);
    return lettre;
}

// The number at the start of `reste`, up to one of the separators; both leave
// `reste`, and the separator found is returned in `separateur`.
long long champ(std::string_view& reste, std::string_view separateurs, char& separateur) {
    const std::size_t fin = reste.find_first_of(separateurs);
    exiger(fin != std::string_view::npos);
    const long long valeur = entier(reste.substr(0, fin));
    separateur = reste[fin];
    reste.remove_prefix(fin + 1);
    return valeur;
}

Coup lireCoup(Lignes& lignes) {
    Coup coup;
    coup.joueur = texteCoupe(lignes.suivante(), largeurJoueur);
    coup.points = texteCoupe(lignes.suivante(), largeurPoints);
    coup.mot = texteCoupe(lignes.suivante(), largeurMot);
    coup.sens = texteCoupe(lignes.suivante(), largeurSens);
    for (std::size_t k = 1; k <= tailleChevalet; ++k) {
        const int x = petitEntier(lignes.suivante(), 0, tailleGrille);
        const int y = petitEntier(lignes.suivante(), 0, tailleGrille);
        exiger((x == 0) == (y == 0));
        coup.colonnes[k] = static_cast<std::uint8_t>(x);
        coup.lignes[k] = static_cast<std::uint8_t>(y);
    }
    return coup;
}

// "slot,tile." per tile, the last one ending in ";", or ";" alone: each slot
// and each tile once.
void lireChevalet(std::string_view ligne, SiegeSauvegarde& siege) {
    if (ligne == ";") return;
    std::array<bool, tailleChevalet + 1> pris{};
    char separateur = '.';
    while (separateur == '.') {
        const long long casier = champ(ligne, ",", separateur);
        const long long jeton = champ(ligne, ".;", separateur);
        exiger(casier >= 1 && casier <= tailleChevalet && jeton >= 1 && jeton <= nbJetons);
        const auto j = static_cast<std::size_t>(casier);
        const auto t = static_cast<std::size_t>(jeton);
        exiger(!pris[j] && siege.caseDuJeton[t] == 0);
        pris[j] = true;
        siege.caseDuJeton[t] = static_cast<std::uint8_t>(casier);
    }
    exiger(ligne.empty());
}

// Seven flags, each ended by a comma; any non-zero number is true.
void lireCasiersOccupes(std::string_view ligne, SiegeSauvegarde& siege) {
    char separateur = ',';
    for (std::size_t j = 1; j <= tailleChevalet; ++j) {
        siege.caseOccupee[j] = champ(ligne, ",", separateur) != 0 ? 1 : 0;
    }
    exiger(ligne.empty());
}

void lireSiege(Lignes& lignes, SiegeSauvegarde& siege) {
    lireChevalet(lignes.suivante(), siege);
    lireCasiersOccupes(lignes.suivante(), siege);
    siege.nom = texteCoupe(lignes.suivante(), largeurNom);
    siege.score = static_cast<std::int32_t>(entierEntre(lignes.suivante(), -scoreMax, scoreMax));
}

void lireCompteurs(Lignes& lignes, PartieSauvegardee& partie) {
    partie.joueurCourant = petitEntier(lignes.suivante(), 1, nbSiegesMax);
    partie.nbJoueurs = petitEntier(lignes.suivante(), 1, nbSiegesMax);
    exiger(partie.joueurCourant <= partie.nbJoueurs);
    partie.jetonsSurPlateau = petitEntier(lignes.suivante(), 0, nbJetons);
    partie.partieFinie = petitEntier(lignes.suivante(), 0, partieTerminee);
    exiger(partie.partieFinie == 0 || partie.partieFinie == partieTerminee);
    partie.jetonsDansSac = petitEntier(lignes.suivante(), 0, nbJetons);
    const std::int32_t tourMax = std::numeric_limits<std::int32_t>::max();
    partie.numeroTour = static_cast<std::int32_t>(entierEntre(lignes.suivante(), 1, tourMax));
    partie.lettreJokerA = lettreJoker(lignes.suivante());
    partie.lettreJokerB = lettreJoker(lignes.suivante());
}

// What the file must still hold once the counters are known: the moves, the
// seats, the tirages, the board and the seat kinds.
long long lignesAttendues(const PartieSauvegardee& partie) {
    const long long m = partie.numeroTour;
    const long long n = partie.nbJoueurs;
    return 18 * (m - 1) + 4 * n + n + m + tailleGrille + n;
}

void lirePlateau(Lignes& lignes, Grille& grille) {
    for (std::size_t x = 1; x <= tailleGrille; ++x) {
        const std::string_view colonne = lignes.suivante();
        exiger(colonne.size() == tailleGrille);
        for (std::size_t y = 1; y <= tailleGrille; ++y) {
            const int octet = static_cast<unsigned char>(colonne[y - 1]);
            exiger(octet >= decalageCase && octet <= decalageCase + nbJetons);
            grille[x][y] = static_cast<std::uint8_t>(octet - decalageCase);
        }
    }
}

PartieSauvegardee lirePartie(Lignes& lignes) {
    PartieSauvegardee partie;
    lireCompteurs(lignes, partie);
    exiger(lignesAttendues(partie) <= lignes.restantes());
    const auto m = static_cast<std::size_t>(partie.numeroTour);
    const auto n = static_cast<std::size_t>(partie.nbJoueurs);
    partie.historique.resize(m + 1);
    for (std::size_t k = 1; k < m; ++k) partie.historique[k] = lireCoup(lignes);
    for (std::size_t s = 1; s <= n; ++s) lireSiege(lignes, partie.sieges[s]);
    for (std::size_t s = 1; s <= n; ++s) {
        partie.sieges[s].tirageDistribution = texteCoupe(lignes.suivante(), largeurTirage);
    }
    for (std::size_t k = 1; k <= m; ++k) partie.historique[k].tirage = texteCoupe(lignes.suivante(), largeurTirage);
    lirePlateau(lignes, partie.grilleFixe);
    for (std::size_t s = 1; s <= n; ++s) partie.sieges[s].ordinateur = lignes.suivante() == "-1";
    exiger(SauvegardeCoherente(partie));
    return partie;
}

}  // namespace

std::variant<PartieSauvegardee, DefautSauvegarde> LireSauvegarde(std::string_view contenu) {
    Lignes lignes(contenu);
    if (lignes.finies() || lignes.suivante() != enTeteSauvegarde) return DefautSauvegarde::pasUneSauvegarde;
    if (contenu.size() > tailleMaxSauvegarde) return DefautSauvegarde::endommagee;
    try {
        return lirePartie(lignes);
    } catch (const Endommagee&) {
        return DefautSauvegarde::endommagee;
    }
}

}  // namespace glyphane
