#include "ui/bilan_fenetre.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "ai/top_en_revue.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

namespace {

bool partieALaRevue(Phase phase) { return phase == Phase::partieFinie || phase == Phase::revue; }

LigneMot ligne(const std::string& texte) { return {texte, std::vector<bool>(texte.size(), false)}; }

// Where the first tile goes, as the word list says it: "H8" along a row, "8H"
// down a column.
std::string emplacement(const std::vector<TuilePosee>& tuiles, int sens) {
    const TuilePosee& t = tuiles.front();
    const std::string colonne = std::to_string(t.x);
    const std::string rangee(1, static_cast<char>('A' + t.y - 1));
    return sens == sensVertical ? colonne + rangee : rangee + colonne;
}

// The box shows bytes as Latin-1.
constexpr const char* joue = "Jou\xe9 : ";
constexpr const char* echangeOuPasse = "\xe9" "change ou passe";

std::string points(std::int32_t n) { return std::to_string(n) + (n > 1 ? " pts" : " pt"); }

std::string coup(const std::vector<TuilePosee>& tuiles, const std::string& mot, int sens, std::int32_t n,
                 const char* sansCoup) {
    if (tuiles.empty()) return std::string(sansCoup) + ", " + points(0);
    return mot + ' ' + emplacement(tuiles, sens) + ", " + points(n);
}

}  // namespace

BilanFenetre::BilanFenetre(Jeu& jeuSuivi, VueQt& vueDuJeu, QObject* parent)
    : QObject(parent), jeu(jeuSuivi), vue(vueDuJeu) {
    vue.suivreRepeints([this](const Partie& partie) { suivre(partie); });
}

BilanFenetre::~BilanFenetre() { arreter(); }

// A repaint that shows a finished game asks for its review once; the first one
// that shows another game drops it. The copy is taken here, where the model is
// steady; the window thread starts the review.
void BilanFenetre::suivre(const Partie& partie) {
    const bool finie =
        partie.deroulement.partieFinie() == partieTerminee && partieALaRevue(partie.fenetre.phase());
    if (!finie) {
        if (demande.exchange(false)) QMetaObject::invokeMethod(this, [this] { arreter(); }, Qt::QueuedConnection);
        return;
    }
    if (demande.exchange(true)) return;
    auto aRevoir = std::make_shared<const PartieARevoir>(partieARevoir(partie));
    QMetaObject::invokeMethod(this, [this, aRevoir] { demarrer(aRevoir); }, Qt::QueuedConnection);
}

void BilanFenetre::demarrer(std::shared_ptr<const PartieARevoir> aRevoir) {
    arreter();
    const unsigned numero = generation;
    travail = std::jthread([this, numero, aRevoir](std::stop_token arret) {
        // The game's pacing may hold the review as it starts: a test looks at
        // the window meanwhile.
        jeu.cadence.pause(std::chrono::milliseconds{0});
        auto recu = std::make_shared<BilanPartie>(BilanDePartie(*aRevoir, jeu.trie, arret));
        if (!recu->complet) return;
        QMetaObject::invokeMethod(
            this, [this, numero, recu] { recevoir(numero, std::move(*recu)); }, Qt::QueuedConnection);
    });
    montrer();
}

// The thread stops between two turns: a new game must not wait for a review
// nobody will read, nor let it read a dictionary the game may add words to.
void BilanFenetre::arreter() {
    ++generation;
    travail = std::jthread();
    bilan.reset();
    ligneTop = -1;
    topMontre.clear();
}

void BilanFenetre::recevoir(unsigned numero, BilanPartie recu) {
    if (numero != generation) return;
    bilan = std::move(recu);
    montrer();
}

bool BilanFenetre::enRevue() const {
    return jeu.partie.deroulement.partieFinie() == partieTerminee && partieALaRevue(jeu.partie.fenetre.phase());
}

void BilanFenetre::montrer() {
    if (!enRevue()) return;
    const Partie& partie = jeu.partie;
    std::vector<LigneMot> lignes;
    ligneTop = -1;
    topMontre.clear();
    const auto nom = [&partie](int siege) { return partie.sieges.nom()[static_cast<std::size_t>(siege)]; };
    if (!bilan) {
        lignes.push_back(ligne("Bilan en cours de calcul..."));
    } else {
        const std::int32_t atteint = partie.positionRevoir - 1;
        if (atteint >= 1) {
            const int siege = static_cast<int>((atteint - 1) % std::max(1, bilan->nbJoueurs)) + 1;
            lignes.push_back(ligne("Tour " + std::to_string(atteint) + " : " + nom(siege)));
            const auto tour = std::find_if(bilan->tours.begin(), bilan->tours.end(),
                                           [atteint](const TourRevu& t) { return t.tour == atteint; });
            if (tour == bilan->tours.end()) {
                lignes.push_back(ligne("Chevalet illisible : pas de top"));
            } else {
                lignes.push_back(ligne(joue + coup(tour->joue, tour->mot, tour->sens, tour->points, echangeOuPasse)));
                ligneTop = static_cast<int>(lignes.size());
                topMontre = tour->top;
                lignes.push_back(
                    ligne("Top : " + coup(tour->top, tour->motTop, tour->sensTop, tour->pointsTop, "aucun coup")));
                const TotalDuSiege duTour{tour->points, tour->pointsTop};
                lignes.push_back(ligne("Part du top : " + std::to_string(duTour.part()) + " %"));
            }
        }
        if (atteint < 1 || partie.positionRevoir >= partie.limiteRevoir) {
            if (!lignes.empty()) lignes.push_back(ligne(""));
            lignes.push_back(ligne("Totaux (points / tops) :"));
            for (int s = 1; s <= bilan->nbJoueurs; ++s) {
                const TotalDuSiege& total = bilan->totaux[static_cast<std::size_t>(s)];
                lignes.push_back(ligne(nom(s) + " : " + std::to_string(total.points) + " / " +
                                       std::to_string(total.tops) + ", " + std::to_string(total.part()) + " %"));
            }
        }
    }
    jeu.partie.fenetre.modifier([&lignes](EtatControles& e) {
        e.memo1 = std::move(lignes);
        e.memoCache.visible = false;
    });
    vue.ActualiserControles();
}

bool BilanFenetre::cliquerLigne(int numero) {
    if (!enRevue()) return false;
    if (numero >= 0 && numero == ligneTop && !topMontre.empty()) MontrerTopEnRevue(jeu, topMontre);
    return true;
}

}  // namespace glyphane::ui
