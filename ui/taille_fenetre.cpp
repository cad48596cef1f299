#include "ui/taille_fenetre.h"

#include <sstream>
#include <string>

#include "lexicon/texte_windows.h"

namespace glyphane::ui {

std::optional<QSize> lireTailleFenetre(const std::filesystem::path& dossierProgramme) {
    const auto lignes = texte::lireLignes(dossierProgramme / std::string(nomFichierTailleFenetre));
    if (!lignes || lignes->empty()) return std::nullopt;
    std::istringstream flux(lignes->front());
    int largeur = 0;
    int hauteur = 0;
    std::string reste;
    if (!(flux >> largeur >> hauteur) || flux >> reste || largeur <= 0 || hauteur <= 0) return std::nullopt;
    return QSize(largeur, hauteur);
}

bool ecrireTailleFenetre(const std::filesystem::path& dossierProgramme, QSize taille) {
    return texte::ecrireLignes(dossierProgramme / std::string(nomFichierTailleFenetre),
                               {std::to_string(taille.width()) + " " + std::to_string(taille.height())});
}

QSize tailleAOuvrir(std::optional<QSize> retenue, QSize naturelle, double facteur, QSize ecranDisponible) {
    if (retenue && naturelle.boundedTo(*retenue) == naturelle && ecranDisponible.boundedTo(*retenue) == *retenue) {
        return *retenue;
    }
    return (QSizeF(naturelle) * facteur).toSize();
}

}  // namespace glyphane::ui
