#include "ui/glisser_jetons.h"

#include <QMouseEvent>
#include <algorithm>

#include "engine/evaluation.h"
#include "engine/regles.h"
#include "ui/depot_jeton.h"
#include "ui/fenetre_principale.h"
#include "ui/vignette_jeton.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

GlisserJetons::GlisserJetons(Jeu& jeuSuivi, VueQt& vueDuJeu, FenetrePrincipale& fenetreDuJeu)
    : QObject(&fenetreDuJeu), jeu(jeuSuivi), vue(vueDuJeu), fenetre(fenetreDuJeu) {
    for (VignetteJeton* v : fenetre.toutesLesVignettes()) v->installEventFilter(this);
}

bool GlisserJetons::eventFilter(QObject* objet, QEvent* evenement) {
    auto* vignette = qobject_cast<VignetteJeton*>(objet);
    if (vignette == nullptr) return false;
    switch (evenement->type()) {
        case QEvent::MouseButtonPress:
            appuyer(*vignette, *static_cast<QMouseEvent*>(evenement));
            return true;
        case QEvent::MouseMove:
            deplacer(*vignette, *static_cast<QMouseEvent*>(evenement));
            return true;
        case QEvent::MouseButtonRelease:
            relacher(*vignette);
            return true;
        case QEvent::MouseButtonDblClick:
            doubleCliquer(*vignette);
            return true;
        default:
            return false;
    }
}

// The computer's thread owns the tiles while it plays, and a search on the
// window's own thread (the "voir" command) marks itself the same way.
bool GlisserJetons::mainsLibres() const {
    return !vue.instantane().tourOrdinateur && jeu.partie.drapeaux.ordiOccupe.load() == 0;
}

void GlisserJetons::appuyer(VignetteJeton& vignette, const QMouseEvent& evenement) {
    if (!mainsLibres() || evenement.button() != Qt::LeftButton) return;
    Partie& partie = jeu.partie;
    if (partie.ecran.surlignageSuggestion) {
        // The outlines of a suggested move go at the first touch of a tile.
        partie.ecran.surlignageSuggestion = false;
        partie.ecran.surlignageDernierCoup = false;
        vue.Rafraichir();
    }
    if (!vignette.isEnabled() || !vignette.isVisible()) return;
    if (partie.fenetre.phase() == Phase::echangeOuvert) {
        pourEchange = vignette.jeton();
        return;
    }
    tire = vignette.jeton();
    prise = evenement.position().toPoint();
    fenetre.mettreDessus(&vignette);
}

void GlisserJetons::deplacer(VignetteJeton& vignette, const QMouseEvent& evenement) {
    if (tire == vignette.jeton()) {
        const QPoint coin = dansLaFenetre(vignette, vignette.pos() + evenement.position().toPoint() - prise);
        vignette.move(coin);
        ImageJeton& image = jeu.partie.ecran.images[static_cast<std::size_t>(tire)];
        image.left = coin.x();
        image.top = coin.y();
    } else if (pourEchange == vignette.jeton()) {
        // Counted once, however far the tile is moved.
        pourEchange = 0;
        MettreALEchange(jeu, vignette.jeton());
    }
}

void GlisserJetons::relacher(VignetteJeton& vignette) {
    pourEchange = 0;
    if (tire != vignette.jeton()) return;
    tire = 0;
    const QPoint coin = dansLaFenetre(vignette, vignette.pos());
    DeposerJeton(jeu.partie, vignette.jeton(), coin.x(), coin.y());
    EvaluerCoup(jeu.partie);
    vue.Rafraichir();
}

void GlisserJetons::doubleCliquer(const VignetteJeton& vignette) {
    if (!estJoker(vignette.jeton()) || !mainsLibres()) return;
    ChoisirLettreJoker(jeu, vignette.jeton());
}

QPoint GlisserJetons::dansLaFenetre(const VignetteJeton& vignette, QPoint coin) const {
    return QPoint(std::clamp(coin.x(), 0, std::max(0, fenetre.width() - vignette.width())),
                  std::clamp(coin.y(), 0, std::max(0, fenetre.height() - vignette.height())));
}

}  // namespace glyphane::ui
