#include "ai/segments.h"

#include <algorithm>
#include <optional>
#include <string>

namespace glyphane {

namespace {

// One line of the committed board, read by position 1..15.
class Ligne {
public:
    Ligne(const Partie& partieLue, Case passage, Sens sensLigne)
        : partie(partieLue), origine(passage), sens(sensLigne) {}

    Case caseA(int p) const { return caseDeLaLigne(origine, sens, p); }
    bool vide(int p) const { return !occupee(partie.plateau.grilleFixe(), caseA(p)); }
    char lettre(int p) const {
        const Case c = caseA(p);
        return partie.plateau.LettreJeton()[partie.plateau.grilleFixe()[c.x][c.y]];
    }
    // The run of tiles touching position p on both sides: [debut, fin].
    int debutDuBloc(int p) const {
        while (p > 1 && !vide(p - 1)) --p;
        return p;
    }
    int finDuBloc(int p) const {
        while (p < tailleGrille && !vide(p + 1)) ++p;
        return p;
    }

private:
    const Partie& partie;
    Case origine;
    Sens sens;
};

// The start of the segment: the m-th empty square counting back from the anchor
// (the anchor counts when empty), or the anchor itself for m = 0.
std::optional<int> positionDeDepart(const Ligne& ligne, int ancre, int m) {
    if (m == 0) return ancre;
    int vides = 0;
    for (int p = ancre; p >= 1; --p) {
        if (ligne.vide(p) && ++vides == m) return p;
    }
    return std::nullopt;
}

// The segment of n free squares starting at `depart`, with the tiles that touch
// it at both ends; nothing when the line ends before n free squares.
std::optional<Segment> segmentDepuis(const Ligne& ligne, int depart, int n) {
    Segment segment;
    for (int p = ligne.debutDuBloc(depart); p < depart; ++p) segment.motif += ligne.lettre(p);
    int p = depart;
    int libres = 0;
    for (; p <= tailleGrille && libres < n; ++p) {
        if (!ligne.vide(p)) {
            segment.motif += ligne.lettre(p);
            continue;
        }
        segment.motif += lettreInconnue;
        const Case c = ligne.caseA(p);
        segment.lignes.push_back(static_cast<std::uint8_t>(c.y));
        segment.colonnes.push_back(static_cast<std::uint8_t>(c.x));
        ++libres;
    }
    if (libres < n) return std::nullopt;
    for (; p <= tailleGrille && !ligne.vide(p); ++p) segment.motif += ligne.lettre(p);
    return segment;
}

// "a2s," for free square 2 with an a above and an s below: the crossing word
// that square completes, its own letter still to come. The whole list is kept,
// however long: a list cut short would cut a frame in half.
std::string croisements(const Partie& partie, const Segment& segment, Sens sens) {
    std::string texte;
    for (std::size_t k = 0; k < segment.lignes.size(); ++k) {
        const Case c{segment.colonnes[k], segment.lignes[k]};
        const Sens travers = autreSens(sens);
        const Ligne ligne(partie, c, travers);
        const int p = positionSurLigne(c, travers);
        const int debut = ligne.debutDuBloc(p);
        const int fin = ligne.finDuBloc(p);
        if (debut == fin) continue;
        for (int q = debut; q <= fin; ++q) texte += q == p ? static_cast<char>('1' + k) : ligne.lettre(q);
        texte += ',';
    }
    return texte;
}

bool memesCasesLibres(const Segment& a, const Segment& b) { return a.lignes == b.lignes && a.colonnes == b.colonnes; }

std::vector<Case> ancresAutour(const Partie& partie, Case c) {
    std::vector<Case> ancres;
    for (const Pas pas : {versGauche, versDroite, versHaut, versBas}) {
        if (const auto vide = premiereCaseVide(partie.plateau.grilleFixe(), c, pas)) ancres.push_back(*vide);
    }
    return ancres;
}

}  // namespace

void EnumererSegmentsDepuisAncre(const Partie& partie, Case ancre,
                                 std::array<std::vector<Segment>, tailleChevalet + 1>& segments) {
    for (const int n : {2, 3, 4, 5, 6, 7, 1}) {
        auto& liste = segments[static_cast<std::size_t>(n)];
        for (const Sens sens : {Sens::horizontal, Sens::vertical}) {
            const Ligne ligne(partie, ancre, sens);
            const int positionAncre = positionSurLigne(ancre, sens);
            for (int m = n; m >= 0; --m) {
                const auto depart = positionDeDepart(ligne, positionAncre, m);
                if (!depart) continue;
                auto segment = segmentDepuis(ligne, *depart, n);
                if (!segment) continue;
                const auto memes = [&](const Segment& s) { return memesCasesLibres(s, *segment); };
                if (std::any_of(liste.begin(), liste.end(), memes)) continue;
                if (n >= 2) segment->croisements = croisements(partie, *segment, sens);
                liste.push_back(std::move(*segment));
            }
        }
    }
}

void EnumererSegmentsDeLaCase(const Partie& partie, ModeleOrdinateur& modele, Case c) {
    EnumererSegmentsDepuisAncre(partie, c, modele.Segments);
}

void EnumererSegmentsAutourDeLaCase(const Partie& partie, ModeleOrdinateur& modele, Case c) {
    for (const Case ancre : ancresAutour(partie, c)) EnumererSegmentsDeLaCase(partie, modele, ancre);
}

void EnumererSegments(const Partie& partie, ModeleOrdinateur& modele, int nbPoses) {
    for (const Case tuile : tuilesDuCoup(partie, nbPoses)) {
        EnumererSegmentsDeLaCase(partie, modele, tuile);
        EnumererSegmentsAutourDeLaCase(partie, modele, tuile);
    }
}

void EnumererSegmentsDuPlateau(const Partie& partie, ModeleOrdinateur& modele) {
    for (const auto forme : {&EnumererSegmentsDeLaCase, &EnumererSegmentsAutourDeLaCase}) {
        for (int y = 1; y <= tailleGrille; ++y) {
            for (int x = 1; x <= tailleGrille; ++x) {
                if (occupee(partie.plateau.grilleFixe(), {x, y})) forme(partie, modele, {x, y});
            }
        }
    }
}

}  // namespace glyphane
