#pragma once
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/lire_brut.h"

namespace glyphane::test {

// A board column as the file keeps it: the byte tile + 25 on each square, from
// row A down; the tiles are given by row.
inline std::string colonne(std::initializer_list<std::pair<int, int>> jetonsParLigne = {}) {
    std::string octets(15, static_cast<char>(25));
    for (const auto& [ligne, jeton] : jetonsParLigne) {
        octets[static_cast<std::size_t>(ligne - 1)] = static_cast<char>(25 + jeton);
    }
    return octets;
}

// A game written by hand from the format. Zoé (seat 1) laid "les" on row H,
// columns 7 to 9, for 6 points; Bob laid blank 27 as an "a" above the s, for
// "as" down column 9 and 1 point. Zoé is to play; 84 tiles are in the bag.
inline std::vector<std::string> sauvegardeALaMain() {
    std::vector<std::string> lignes = {"7.3.0.3 Fichier de sauvegarde", "1", "2", "4", "0", "84", "3", "a", "?"};
    const std::vector<std::string> coup1 = {"Zo\xE9", "6", "les", "2", "7", "8", "8", "8", "9", "8"};
    const std::vector<std::string> coup2 = {"Bob", "1", "as", "1", "9", "7"};
    for (const auto* coup : {&coup1, &coup2}) {
        lignes.insert(lignes.end(), coup->begin(), coup->end());
        lignes.insert(lignes.end(), 18 - coup->size(), "0");
    }
    const std::vector<std::string> suite = {
        "4,2.5,3.6,4.7,6.1,7.2,8.3,9;", "-1,-1,-1,-1,-1,-1,-1,", "Zo\xE9", "6",
        "2,10.3,11.4,13.5,14.6,15.7,16.1,17;", "-1,-1,-1,-1,-1,-1,-1,", "Bob", "1",
        "lesbcdf", "?jkmnop",
        "lesbcdf", "?jkmnop", "bcdf+ghi"};
    lignes.insert(lignes.end(), suite.begin(), suite.end());
    for (int x = 1; x <= 15; ++x) {
        lignes.push_back(x == 7   ? colonne({{8, 12}})
                         : x == 8 ? colonne({{8, 5}})
                         : x == 9 ? colonne({{7, 27}, {8, 19}})
                                  : colonne());
    }
    const std::vector<std::string> fin = {
        "0", "0", "fin r\xE9" "cup\xE9ration", "", "      statistiques", "nom\ttirage\tmot\tpoints\tcooord", "",
        "Zo\xE9\tlesbcdf\tles\t6\tH-7", "Bob\t?jkmnop\tas\t1\t9-G", "\tbcdf+ghi", "\tjkmnop+q"};
    lignes.insert(lignes.end(), fin.begin(), fin.end());
    return lignes;
}

// Where the blocks of that game start.
inline constexpr std::size_t ligneChevaletZoe = 45;
inline constexpr std::size_t lignePlateau = 58;
inline constexpr std::size_t ligneOrdinateurBob = 74;
inline constexpr std::size_t lignesLuesALaMain = 75;

inline std::string fichier(const std::vector<std::string>& lignes) {
    std::string contenu;
    for (const std::string& ligne : lignes) contenu += ligne + "\r\n";
    return contenu;
}

inline std::vector<std::string> avec(std::vector<std::string> lignes,
                                     std::initializer_list<std::pair<std::size_t, std::string>> changements) {
    for (const auto& [indice, texte] : changements) lignes[indice] = texte;
    return lignes;
}

inline std::vector<std::string> lignesDe(const std::string& contenu) {
    std::vector<std::string> lignes;
    for (std::size_t debut = 0, fin; (fin = contenu.find("\r\n", debut)) != std::string::npos; debut = fin + 2) {
        lignes.push_back(contenu.substr(debut, fin - debut));
    }
    return lignes;
}


inline void ecrireBrut(const std::filesystem::path& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

}  // namespace glyphane::test
