#include "ai/candidats.h"

#include <algorithm>

namespace glyphane {

namespace {

constexpr std::size_t largeurMot = 16;
constexpr std::size_t largeurPoints = 20;

char codeCoordonnee(int numero) { return static_cast<char>('A' + numero - 1); }

bool surLePlateau(int x, int y) { return x >= 1 && x <= tailleGrille && y >= 1 && y <= tailleGrille; }

bool voisinHorizontalFixe(const Grille& fixe, int x, int y) {
    return (x > 1 && fixe[x - 1][y] != 0) || (x < tailleGrille && fixe[x + 1][y] != 0);
}

// Several free squares share a column (a vertical word) or a row; a single one
// runs along the row only when it joins a tile there.
void orienter(const Grille& fixe, const Possibilite& record, int nombre, Placement& p) {
    const bool vertical = nombre >= 2 ? record.colonnes[0] == record.colonnes[1]
                                      : !voisinHorizontalFixe(fixe, record.colonnes[0], record.lignes[0]);
    p.sens = vertical ? sensVertical : sensHorizontal;
    p.ligne = vertical ? record.colonnes[0] : record.lignes[0];
    for (std::size_t k = 0; k < static_cast<std::size_t>(nombre); ++k) {
        p.positions[k] = vertical ? record.lignes[k] : record.colonnes[k];
    }
}

bool casesLibresSures(const Grille& fixe, const Possibilite& record, const Placement& p) {
    for (int k = 0; k < p.nombre; ++k) {
        const int x = p.colonne(k);
        const int y = p.rangee(k);
        const auto i = static_cast<std::size_t>(k);
        if (x != record.colonnes[i] || y != record.lignes[i]) return false;
        if (!surLePlateau(x, y) || fixe[x][y] != 0) return false;
        if (k > 0 && p.positions[static_cast<std::size_t>(k)] <= p.positions[static_cast<std::size_t>(k - 1)]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<Placement> placementDuRecord(const Grille& fixe, const Possibilite& record, int nombre) {
    const auto n = static_cast<std::size_t>(nombre);
    if (nombre < 1 || nombre > tailleChevalet || record.lignes.size() < n || record.colonnes.size() < n) return {};
    if (record.motif.empty() || record.motif.size() > tailleGrille) return {};
    if (std::count(record.motif.begin(), record.motif.end(), lettreMotifVide) != nombre) return {};
    if (!surLePlateau(record.colonnes[0], record.lignes[0])) return {};
    Placement p;
    p.nombre = nombre;
    orienter(fixe, record, nombre, p);
    if (!casesLibresSures(fixe, record, p)) return {};
    return p;
}

bool apparierAuChevalet(std::string_view mot, std::string_view motif, const ChevaletDeRecherche& chevalet,
                        Placement& placement) {
    if (mot.size() < motif.size()) return false;
    const std::size_t taille = std::min<std::size_t>(chevalet.lettres.size(), tailleChevalet);
    std::array<bool, tailleChevalet> utilise{};
    int k = 0;
    for (std::size_t j = 0; j < motif.size(); ++j) {
        const char lettre = mot[j];
        if (lettre == motif[j]) continue;
        // The word files agree with the board's letters; a word that does not
        // comes from a stale file and would overwrite a tile.
        if (motif[j] != lettreMotifVide || k == placement.nombre) return false;
        std::size_t i = 0;
        while (i < taille && (utilise[i] || chevalet.lettres[i] != lettre)) ++i;
        if (i == taille) {
            i = 0;
            while (i < taille && (utilise[i] || chevalet.lettres[i] != lettreInconnue)) ++i;
            if (i == taille) return false;
        }
        utilise[i] = true;
        placement.lettres[static_cast<std::size_t>(k)] = lettre;
        placement.chiffres[static_cast<std::size_t>(k)] = chevalet.chiffres[i];
        ++k;
    }
    return k == placement.nombre;
}

std::string texteDuCoup(const Placement& p) {
    std::string texte(p.lettres.data(), static_cast<std::size_t>(p.nombre));
    texte.push_back(';');
    for (int k = 0; k < p.nombre; ++k) {
        texte.push_back(codeCoordonnee(p.colonne(k)));
        texte.push_back(codeCoordonnee(p.rangee(k)));
    }
    return texte;
}

LigneMot ligneDuMemo(const LignesDeTravail& lignes, const Placement& p, std::int32_t points) {
    const Etendue e = etendueDuMotPrincipal(lignes, p);
    const std::string_view mot = ligneDuPlacement(lignes, p).substr(static_cast<std::size_t>(e.debut),
                                                                    static_cast<std::size_t>(e.fin - e.debut + 1));
    LigneMot ligne;
    ligne.texte.assign(mot);
    if (ligne.texte.size() < largeurMot) ligne.texte.resize(largeurMot, ' ');
    ligne.texte += std::to_string(points);
    if (ligne.texte.size() > largeurMot && ligne.texte.size() < largeurPoints) ligne.texte.resize(largeurPoints, ' ');
    const std::string colonne = std::to_string(p.colonne(0));
    const char rangee = codeCoordonnee(p.rangee(0));
    ligne.texte += p.sens == sensHorizontal ? rangee + colonne : colonne + rangee;

    ligne.dejaPose.assign(ligne.texte.size(), false);
    int k = 0;
    for (int i = e.debut; i <= e.fin; ++i) {
        const bool nouvelle = k < p.nombre && p.positions[static_cast<std::size_t>(k)] == i + 1;
        if (nouvelle) ++k;
        ligne.dejaPose[static_cast<std::size_t>(i - e.debut)] = !nouvelle;
    }
    return ligne;
}

}  // namespace glyphane
