#include "ai/journal_des_tours.h"

#include <utility>

#include "ai/tour_ordinateur.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/tour.h"

namespace glyphane {

namespace {

char codeCoordonnee(int numero) { return static_cast<char>('A' + numero - 1); }

char lettreAuChevalet(const Partie& partie, int jeton) {
    if (jeton == 0) return '.';
    return estJoker(jeton) ? lettreInconnue : partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
}

// A tile an exchange gave back is still listed in its slot, but no longer
// points to it.
std::string lettresRendues(const Partie& partie) {
    const int siege = partie.deroulement.joueurCourant();
    std::string rendues;
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = partie.chevalet.caseChevalet()[siege][j];
        if (jeton != 0 && partie.chevalet.caseDuJeton()[siege][static_cast<std::size_t>(jeton)] != j) {
            rendues += lettreAuChevalet(partie, jeton);
        }
    }
    return rendues;
}

// The turn as it stands when the computer hands it over.
TourJoue tourAvantLeRelais(const Partie& partie) {
    TourJoue tour;
    tour.tour = partie.deroulement.numeroTour();
    tour.siege = partie.deroulement.joueurCourant();
    for (int j = 1; j <= tailleChevalet; ++j) {
        tour.chevalet += lettreAuChevalet(partie, partie.chevalet.caseChevalet()[tour.siege][j]);
    }
    tour.texte = texteDesJetonsPoses(partie);
    tour.points = partie.pointsDuCoup;
    if (tour.texte.empty()) tour.rendus = lettresRendues(partie);
    return tour;
}

// What the turn controller made of it: only tiles it committed make a move.
void completerApresLeRelais(Partie& partie, std::int32_t jetonsAvant, TourJoue& tour) {
    if (partie.plateau.jetonsSurPlateau() > jetonsAvant) {
        tour.nature = NatureDuTour::coup;
        tour.mot = partie.deroulement.coup(tour.tour).mot;
        return;
    }
    tour.texte.clear();
    tour.points = 0;
    tour.nature = tour.rendus.empty() ? NatureDuTour::passe : NatureDuTour::echange;
}

}  // namespace

std::string texteDesJetonsPoses(const Partie& partie) {
    std::string lettres;
    std::string cases;
    const Plateau& plateau = partie.plateau;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const int jeton = plateau.grilleJeu()[x][y];
            if (jeton == 0 || plateau.grilleFixe()[x][y] != 0) continue;
            const char lettre = partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
            const bool jokerNomme = estJoker(jeton) && lettre >= 'a' && lettre <= 'z';
            lettres += jokerNomme ? static_cast<char>(lettre - 'a' + 'A') : lettre;
            cases += codeCoordonnee(x);
            cases += codeCoordonnee(y);
        }
    }
    return lettres.empty() ? std::string() : lettres + ';' + cases;
}

std::string ligneDuTour(const TourJoue& tour) {
    const std::string debut = std::to_string(tour.tour) + ' ' + std::to_string(tour.siege) + ' ' + tour.chevalet;
    switch (tour.nature) {
        case NatureDuTour::coup:
            return "coup " + debut + ' ' + tour.texte + ' ' + tour.mot + ' ' + std::to_string(tour.points);
        case NatureDuTour::echange:
            return "echange " + debut + ' ' + tour.rendus;
        case NatureDuTour::passe:
            break;
    }
    return "passe " + debut;
}

void JournalDesTours::jouerTour(Jeu& jeu, ModeleOrdinateur& modele) {
    // The turn waits for the update too; waiting first keeps the update out of
    // the search's time.
    attendreFinMiseAJour(jeu);
    const auto debut = std::chrono::steady_clock::now();
    TourOrdinateurRelaye(jeu, modele, [this, debut](Jeu& jeuDuTour) {
        const Duree recherche = std::chrono::steady_clock::now() - debut;
        TourJoue tour = tourAvantLeRelais(jeuDuTour.partie);
        const std::int32_t jetonsAvant = jeuDuTour.partie.plateau.jetonsSurPlateau();
        TourSuivant(jeuDuTour);
        completerApresLeRelais(jeuDuTour.partie, jetonsAvant, tour);
        noter(std::move(tour), recherche);
    });
}

void JournalDesTours::noter(TourJoue tour, Duree recherche) {
    std::lock_guard garde(verrou);
    tours.push_back(std::move(tour));
    recherches.push_back(recherche);
}

std::vector<TourJoue> JournalDesTours::prendreTours() {
    std::lock_guard garde(verrou);
    return std::exchange(tours, {});
}

std::vector<JournalDesTours::Duree> JournalDesTours::dureesRecherche() {
    std::lock_guard garde(verrou);
    return recherches;
}

}  // namespace glyphane
