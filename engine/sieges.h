#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/jetons.h"

namespace glyphane {

using NomsDesSieges = std::array<std::string, nbSiegesMax + 1>;
using OrdinateursDesSieges = std::array<std::uint8_t, nbSiegesMax + 1>;
using RangsDesSieges = std::array<int, nbSiegesMax + 1>;

// Who sits at the table, seat 1..4: how many play, each seat's name and whether
// the computer plays it, and the style, open or closed racks. The count stays
// within 0 (not chosen yet) and nbSiegesMax, so that it may bound the tables.
class Sieges {
public:
    std::uint8_t nbJoueurs() const { return nombre; }
    const OrdinateursDesSieges& estOrdinateur() const { return ordinateurs; }
    const NomsDesSieges& nom() const { return noms; }  // the name labels
    std::uint8_t styleOuvert() const { return ouvert; }

    // Any other number than 0..nbSiegesMax is ignored.
    void fixerNombreJoueurs(int n);
    // A seat outside 1..nbSiegesMax is ignored, here and below.
    void nommer(int siege, std::string nom);
    void confierALOrdinateur(int siege, bool ordinateur);
    // A new game: no seat is the computer's until the seats are chosen again.
    // The style stays, for the names dialog to start from.
    void liberer() { ordinateurs = {}; }
    void choisirStyle(bool styleOuvert) { ouvert = styleOuvert ? 1 : 0; }
    // After the draw for the order of play: seat s sits at seat rang[s].
    void reordonner(const RangsDesSieges& rang);

private:
    std::uint8_t nombre = 0;
    OrdinateursDesSieges ordinateurs{};
    NomsDesSieges noms{};
    std::uint8_t ouvert = 1;
};

}  // namespace glyphane
