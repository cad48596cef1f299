#include "ai/modeles_premier_coup.h"

#include <utility>

namespace glyphane {

namespace {

constexpr std::uint8_t ligneCentrale = 8;

// Each first-move segment by its number of free squares and its first column;
// every one of them covers the centre square.
struct ModelePremierCoup {
    int libres;
    int premiereColonne;
};
constexpr ModelePremierCoup modeles[] = {
    {2, 7}, {3, 6}, {4, 5}, {5, 4}, {5, 8}, {6, 3}, {6, 4}, {6, 7}, {6, 8},
    {7, 2}, {7, 3}, {7, 4}, {7, 5}, {7, 6}, {7, 7}, {7, 8}};

}  // namespace

void PoserModelesPremierCoup(ModeleOrdinateur& modele) {
    for (const ModelePremierCoup m : modeles) {
        Possibilite possibilite;
        possibilite.motif.assign(static_cast<std::size_t>(m.libres), lettreInconnue);
        possibilite.valide = 1;
        possibilite.numeroFichier = m.libres;
        for (int k = 0; k < m.libres; ++k) {
            possibilite.lignes.push_back(ligneCentrale);
            possibilite.colonnes.push_back(static_cast<std::uint8_t>(m.premiereColonne + k));
        }
        modele.Possibilites[static_cast<std::size_t>(m.libres)].push_back(std::move(possibilite));
    }
}

void ReinitialiserModeleOrdinateur(ModeleOrdinateur& modele, bool avecModeles) {
    for (auto& liste : modele.Possibilites) liste.clear();
    for (auto& liste : modele.Segments) liste.clear();
    modele.Candidats.clear();
    modele.compteurFichiers = 7;
    modele.LignesLettres = lignesMotifsVides(lettreMotifVide);
    modele.LignesChiffres = lignesMotifsVides(chiffreMotifVide);
    if (avecModeles) PoserModelesPremierCoup(modele);
}

}  // namespace glyphane
