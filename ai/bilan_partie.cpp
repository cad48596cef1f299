#include "ai/bilan_partie.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <tuple>

namespace glyphane {

namespace {

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

bool estLettre(char c) { return c >= 'a' && c <= 'z'; }

// The record keeps the letters left from the seat's previous turn, a "+" when
// it drew, then the letters drawn: the rack's tiles, but not their slots.
std::optional<std::string> lettresDuTirage(const std::string& tirage) {
    std::string lettres;
    int plus = 0;
    for (const char c : tirage) {
        if (c == '+' && ++plus == 1) continue;
        if (!estLettre(c) && c != lettreInconnue) return std::nullopt;
        lettres += c;
    }
    // A seat whose rack is empty has ended the game: no turn starts with none.
    if (lettres.empty() || lettres.size() > tailleChevalet) return std::nullopt;
    return lettres;
}

// The squares the record names, with the tiles the finished game has there, in
// board order.
std::vector<TuilePosee> tuilesDuCoup(const Coup& coup, const PlateauFixe& plateauFinal) {
    std::vector<TuilePosee> tuiles;
    for (std::size_t k = 1; k <= tailleChevalet; ++k) {
        const int x = coup.colonnes[k];
        const int y = coup.lignes[k];
        if (x < 1 || x > tailleGrille || y < 1 || y > tailleGrille) continue;
        const CaseFixe& c = plateauFinal[indice(x)][indice(y)];
        if (c.lettre != 0) tuiles.push_back({x, y, c.lettre, c.joker});
    }
    std::sort(tuiles.begin(), tuiles.end(),
              [](const TuilePosee& a, const TuilePosee& b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); });
    return tuiles;
}

// The tiles played came from that rack: a blank is a "?" there.
bool jouesDuChevalet(const std::vector<TuilePosee>& joue, std::string chevalet) {
    for (const TuilePosee& t : joue) {
        const std::size_t place = chevalet.find(t.joker ? lettreInconnue : t.lettre);
        if (place == std::string::npos) return false;
        chevalet.erase(place, 1);
    }
    return true;
}

std::optional<std::int32_t> pointsDuCoup(const Coup& coup) {
    if (coup.points.empty()) return 0;
    std::int32_t points = 0;
    const char* fin = coup.points.data() + coup.points.size();
    const auto [lu, erreur] = std::from_chars(coup.points.data(), fin, points);
    if (erreur != std::errc{} || lu != fin || points < 0) return std::nullopt;
    return points;
}

// The turn as its record tells it; nothing when the record cannot be read back.
std::optional<TourRevu> tourDuRecord(const PartieARevoir& partie, std::int32_t k) {
    const Coup& coup = partie.historique[indice(k)];
    const std::optional<std::string> lettres = lettresDuTirage(coup.tirage);
    const std::optional<std::int32_t> points = pointsDuCoup(coup);
    if (!lettres || !points) return std::nullopt;
    TourRevu tour;
    tour.tour = k;
    tour.siege = static_cast<int>((k - 1) % partie.nbJoueurs) + 1;
    tour.joue = tuilesDuCoup(coup, partie.plateauFinal);
    if (!jouesDuChevalet(tour.joue, *lettres)) return std::nullopt;
    tour.chevalet = *lettres + std::string(tailleChevalet - lettres->size(), '.');
    tour.points = tour.joue.empty() ? 0 : *points;
    tour.mot = coup.mot;
    tour.sens = coup.sens == "1" ? sensVertical : sensHorizontal;
    return tour;
}

void poser(PlateauFixe& plateau, const std::vector<TuilePosee>& tuiles) {
    for (const TuilePosee& t : tuiles) plateau[indice(t.x)][indice(t.y)] = {t.lettre, t.joker};
}

}  // namespace

PartieARevoir partieARevoir(const Partie& partie) {
    PartieARevoir aRevoir;
    if (partie.deroulement.partieFinie() != partieTerminee) return aRevoir;
    aRevoir.nbJoueurs = partie.sieges.nbJoueurs();
    const std::vector<Coup>& historique = partie.deroulement.historique();
    const auto tours = static_cast<std::size_t>(std::max<std::int32_t>(partie.deroulement.numeroTour(), 1));
    aRevoir.historique.assign(historique.begin(),
                              historique.begin() + static_cast<std::ptrdiff_t>(std::min(tours, historique.size())));
    aRevoir.plateauFinal = plateauFixeDe(partie);
    return aRevoir;
}

int TotalDuSiege::part() const {
    if (tops == 0) return 100;
    return static_cast<int>(std::int64_t{points} * 100 / tops);
}

BilanPartie BilanDePartie(const PartieARevoir& partie, const LexiconTrie& trie, std::stop_token arret) {
    BilanPartie bilan;
    bilan.nbJoueurs = partie.nbJoueurs;
    if (partie.nbJoueurs < 1 || partie.nbJoueurs > nbSiegesMax) return bilan;
    PlateauFixe plateau{};
    const auto nombre = static_cast<std::int32_t>(partie.historique.size());
    for (std::int32_t k = 1; k < nombre; ++k) {
        if (arret.stop_requested()) return bilan;
        std::optional<TourRevu> tour = tourDuRecord(partie, k);
        if (!tour) {
            bilan.illisibles.push_back(k);
            // Its tiles stand on the board all the same for the turns after it.
            poser(plateau, tuilesDuCoup(partie.historique[indice(k)], partie.plateauFinal));
            continue;
        }
        const std::vector<CoupGenere> coups = GenererCoups(plateau, tour->chevalet, trie);
        if (const CoupGenere* top = meilleurCoup(coups)) {
            tour->top = top->tuiles;
            tour->motTop = top->mot;
            tour->sensTop = top->sens;
            tour->pointsTop = top->points;
        }
        poser(plateau, tour->joue);
        TotalDuSiege& total = bilan.totaux[indice(tour->siege)];
        total.points += tour->points;
        total.tops += tour->pointsTop;
        bilan.tours.push_back(std::move(*tour));
    }
    bilan.complet = true;
    return bilan;
}

std::string texteDuBilan(const std::vector<TuilePosee>& tuiles) {
    if (tuiles.empty()) return "-";
    std::string lettres;
    std::string cases;
    for (const TuilePosee& t : tuiles) {
        lettres += t.joker ? static_cast<char>(t.lettre - 'a' + 'A') : t.lettre;
        cases += static_cast<char>('A' + t.x - 1);
        cases += static_cast<char>('A' + t.y - 1);
    }
    return lettres + ';' + cases;
}

std::string ligneDuTourRevu(const TourRevu& tour) {
    return "bilan " + std::to_string(tour.tour) + ' ' + std::to_string(tour.siege) + ' ' + tour.chevalet + ' ' +
           texteDuBilan(tour.joue) + ' ' + std::to_string(tour.points) + ' ' + texteDuBilan(tour.top) + ' ' +
           std::to_string(tour.pointsTop);
}

std::string ligneDuTotal(int siege, const TotalDuSiege& total) {
    return "total " + std::to_string(siege) + ' ' + std::to_string(total.points) + ' ' + std::to_string(total.tops) +
           ' ' + std::to_string(total.part());
}

std::vector<std::string> lignesDuBilan(const BilanPartie& bilan) {
    std::vector<std::string> lignes;
    for (const TourRevu& tour : bilan.tours) lignes.push_back(ligneDuTourRevu(tour));
    for (int s = 1; s <= bilan.nbJoueurs; ++s) lignes.push_back(ligneDuTotal(s, bilan.totaux[indice(s)]));
    return lignes;
}

}  // namespace glyphane
