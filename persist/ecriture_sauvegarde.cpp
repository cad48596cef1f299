#include "persist/ecriture_sauvegarde.h"

#include <initializer_list>
#include <string_view>

#include "lexicon/texte_windows.h"
#include "persist/partie_sauvegardee.h"

namespace glyphane {

namespace {

constexpr std::size_t sansLimite = std::string::npos;

// A text of the game in the file's code page, cut to its width.
std::string enFichier(const std::string& utf8, std::size_t largeur) {
    return texte::versWindows1252(utf8).substr(0, largeur);
}

class Fichier {
public:
    void ligne(std::string_view texte) { contenu.append(texte).append("\r\n"); }
    void nombre(long long valeur) { ligne(std::to_string(valeur)); }
    void texte(const std::string& utf8, std::size_t largeur) { ligne(enFichier(utf8, largeur)); }
    void booleen(bool valeur) { ligne(valeur ? "-1" : "0"); }

    std::string contenu;
};

// Records past the history (the next seats' records not started yet) are empty.
const Coup& coupLu(const Partie& partie, std::int32_t n) {
    static const Coup vide;
    const auto indice = static_cast<std::size_t>(n);
    return n >= 0 && indice < partie.deroulement.historique().size() ? partie.deroulement.historique()[indice] : vide;
}

void ecrireCoup(Fichier& fichier, const Coup& coup) {
    fichier.texte(coup.joueur, largeurJoueur);
    fichier.texte(coup.points, largeurPoints);
    fichier.texte(coup.mot, largeurMot);
    fichier.texte(coup.sens, largeurSens);
    for (int k = 1; k <= tailleChevalet; ++k) {
        fichier.nombre(coup.colonnes[static_cast<std::size_t>(k)]);
        fichier.nombre(coup.lignes[static_cast<std::size_t>(k)]);
    }
}

// The slot of each tile of the seat's rack. A tile moved into an exchange that is
// not confirmed yet is back in the bag for the game, but its slot still names it.
std::array<std::uint8_t, nbJetons + 1> casiersDuSiege(const Partie& partie, int siege) {
    const auto s = static_cast<std::size_t>(siege);
    auto casiers = partie.chevalet.caseDuJeton()[s];
    if (siege != partie.deroulement.joueurCourant()) return casiers;
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = partie.chevalet.caseChevalet()[s][static_cast<std::size_t>(j)];
        if (jeton != 0 && partie.sac.contient(partie.chevalet, jeton)) {
            casiers[static_cast<std::size_t>(jeton)] = static_cast<std::uint8_t>(j);
        }
    }
    return casiers;
}

// "slot,tile." for each tile in tile order, the last "." becoming ";".
std::string ligneChevalet(const Partie& partie, int siege) {
    const auto casiers = casiersDuSiege(partie, siege);
    std::string ligne;
    for (int t = 1; t <= nbJetons; ++t) {
        const int casier = casiers[static_cast<std::size_t>(t)];
        if (casier != 0) ligne += std::to_string(casier) + ',' + std::to_string(t) + '.';
    }
    if (ligne.empty()) return ";";
    ligne.back() = ';';
    return ligne;
}

std::string ligneCasiersOccupes(const Partie& partie, int siege) {
    const auto& occupes = partie.chevalet.caseOccupee()[static_cast<std::size_t>(siege)];
    std::string ligne;
    for (std::size_t j = 1; j <= tailleChevalet; ++j) ligne += occupes[j] != 0 ? "-1," : "0,";
    return ligne;
}

void ecrireSiege(Fichier& fichier, const Partie& partie, int siege) {
    const auto s = static_cast<std::size_t>(siege);
    fichier.ligne(ligneChevalet(partie, siege));
    fichier.ligne(ligneCasiersOccupes(partie, siege));
    fichier.texte(partie.sieges.nom()[s], sansLimite);
    fichier.nombre(partie.deroulement.score()[s]);
}

// Column x from row A down, one byte per square.
std::string colonneDuPlateau(const Grille& grille, int x) {
    std::string ligne;
    for (int y = 1; y <= tailleGrille; ++y) {
        ligne += static_cast<char>(grille[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] + decalageCase);
    }
    return ligne;
}

char lettreDeLigne(int y) { return y >= 1 && y <= tailleGrille ? static_cast<char>('A' + y - 1) : '?'; }

// The first square of the move: "H-3" along row H, "3-H" down column 3.
std::string coordonnee(const Coup& coup) {
    const std::string ligne(1, lettreDeLigne(coup.lignes[1]));
    const std::string colonne = std::to_string(coup.colonnes[1]);
    return coup.sens == "2" ? ligne + '-' + colonne : colonne + '-' + ligne;
}

std::string ligneStatistique(const Coup& coup) {
    return enFichier(coup.joueur, largeurJoueur) + '\t' + enFichier(coup.tirage, largeurTirage) + '\t' +
           enFichier(coup.mot, largeurMot) + '\t' + enFichier(coup.points, largeurPoints) + '\t' + coordonnee(coup);
}

// For a human reader only: the loader stops before it.
void ecrireStatistiques(Fichier& fichier, const Partie& partie) {
    fichier.texte("fin récupération", sansLimite);
    fichier.ligne("");
    fichier.ligne("      statistiques");
    fichier.ligne("nom\ttirage\tmot\tpoints\tcooord");
    fichier.ligne("");
    for (std::int32_t k = 1; k < partie.deroulement.numeroTour(); ++k) {
        const Coup& coup = coupLu(partie, k);
        if (coup.sens == "1" || coup.sens == "2") fichier.ligne(ligneStatistique(coup));
    }
    // The records the turn controller has started for the seats due to play.
    for (std::int32_t j = 0; j < partie.sieges.nbJoueurs(); ++j) {
        const Coup& coup = coupLu(partie, partie.deroulement.numeroTour() + j);
        fichier.ligne(enFichier(coup.joueur, largeurJoueur) + '\t' + enFichier(coup.tirage, largeurTirage));
    }
}

}  // namespace

std::string ContenuSauvegarde(const Partie& partie) {
    Fichier fichier;
    fichier.ligne(enTeteSauvegarde);
    const Deroulement& deroulement = partie.deroulement;
    const std::int32_t dansLeSac = partie.sac.jetonsDansSac();
    const std::int32_t surPlateau = partie.plateau.jetonsSurPlateau();
    const int nbJoueurs = partie.sieges.nbJoueurs();
    for (const long long valeur : std::initializer_list<long long>{deroulement.joueurCourant(), nbJoueurs, surPlateau,
                                                                   deroulement.partieFinie(), dansLeSac,
                                                                   deroulement.numeroTour()}) {
        fichier.nombre(valeur);
    }
    fichier.ligne(std::string(1, partie.plateau.LettreJeton()[jokerA]));
    fichier.ligne(std::string(1, partie.plateau.LettreJeton()[jokerB]));
    for (std::int32_t k = 1; k < partie.deroulement.numeroTour(); ++k) ecrireCoup(fichier, coupLu(partie, k));
    for (int s = 1; s <= nbJoueurs; ++s) ecrireSiege(fichier, partie, s);
    for (int s = 1; s <= nbJoueurs; ++s) {
        fichier.texte(partie.deroulement.tirageDistribution()[static_cast<std::size_t>(s)], largeurTirage);
    }
    for (std::int32_t k = 1; k <= partie.deroulement.numeroTour(); ++k) {
        fichier.texte(coupLu(partie, k).tirage, largeurTirage);
    }
    for (int x = 1; x <= tailleGrille; ++x) fichier.ligne(colonneDuPlateau(partie.plateau.grilleFixe(), x));
    for (int s = 1; s <= nbJoueurs; ++s) fichier.booleen(partie.sieges.estOrdinateur()[static_cast<std::size_t>(s)]);
    ecrireStatistiques(fichier, partie);
    return fichier.contenu;
}

}  // namespace glyphane
