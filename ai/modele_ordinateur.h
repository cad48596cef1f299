#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/jetons.h"
#include "engine/ligne_mot.h"

// What the computer player keeps between turns. The player owns it; the turn
// controller feeds it the committed tiles through its hooks.
namespace glyphane {

// One board segment a word could fill: its frame ("?" on the free squares), the
// squares themselves, and the file of the words that fit it.
struct Possibilite {
    std::string motif;
    std::uint8_t valide = 1;
    std::int32_t numeroFichier = 0;
    std::vector<std::uint8_t> lignes;    // row of each free square, along the segment
    std::vector<std::uint8_t> colonnes;  // column of each free square
};

// A segment found around the last move, waiting for its word file.
struct Segment {
    std::string motif;
    std::string croisements;  // "a2s," per free square with crossing tiles
    std::vector<std::uint8_t> lignes;
    std::vector<std::uint8_t> colonnes;
};

// Entry [o][l]: o = 1 the row l, o = 2 the column l; 15 characters each.
using LignesMotifs = std::array<std::array<std::string, tailleGrille + 1>, 3>;

// An empty board in the pattern rows: no letter, no value.
inline constexpr char lettreMotifVide = '?';
inline constexpr char chiffreMotifVide = 'x';

inline LignesMotifs lignesMotifsVides(char vide) {
    LignesMotifs lignes;
    for (int o = 1; o <= 2; ++o) {
        for (int l = 1; l <= tailleGrille; ++l) lignes[o][l].assign(tailleGrille, vide);
    }
    return lignes;
}

// One move the rack can make: its text (the letters, ";", then column and row
// of each tile), its score with the seven-tile bonus, and its word-list line.
struct Candidat {
    std::string coup;
    std::int32_t points = 0;
    LigneMot ligne;
};

struct ModeleOrdinateur {
    std::array<std::vector<Possibilite>, tailleChevalet + 1> Possibilites;  // 1..7 free squares
    std::array<std::vector<Segment>, tailleChevalet + 1> Segments;          // 1..7
    std::int32_t compteurFichiers = 7;
    LignesMotifs LignesLettres = lignesMotifsVides(lettreMotifVide);
    LignesMotifs LignesChiffres = lignesMotifsVides(chiffreMotifVide);
    std::vector<Candidat> Candidats;  // the last search's, in the order found
};

// The computer player reads the board through these rows: per committed square
// its letter and its value as one digit, along the row and down the column.
inline void NoterDansLesMotifs(ModeleOrdinateur& modele, int x, int y, char lettre, int valeur) {
    const char chiffre = static_cast<char>('0' + valeur);
    modele.LignesLettres[1][static_cast<std::size_t>(y)][static_cast<std::size_t>(x - 1)] = lettre;
    modele.LignesLettres[2][static_cast<std::size_t>(x)][static_cast<std::size_t>(y - 1)] = lettre;
    modele.LignesChiffres[1][static_cast<std::size_t>(y)][static_cast<std::size_t>(x - 1)] = chiffre;
    modele.LignesChiffres[2][static_cast<std::size_t>(x)][static_cast<std::size_t>(y - 1)] = chiffre;
}

}  // namespace glyphane
