#pragma once
#include <QObject>
#include <QPoint>

#include "engine/jeu.h"

class QMouseEvent;

// Playing with the mouse: a tile is pressed, dragged and let go on a square or
// back on the rack; with the exchange open, moving a tile puts it in the exchange;
// a double click on a blank asks for its letter. Nothing of this acts while the
// computer is to play.
namespace glyphane::ui {

class FenetrePrincipale;
class VignetteJeton;
class VueQt;

class GlisserJetons final : public QObject {
    Q_OBJECT
public:
    GlisserJetons(Jeu& jeu, VueQt& vue, FenetrePrincipale& fenetre);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool mainsLibres() const;
    void appuyer(VignetteJeton& vignette, const QMouseEvent& evenement);
    void deplacer(VignetteJeton& vignette, const QMouseEvent& evenement);
    void relacher(VignetteJeton& vignette);
    void doubleCliquer(const VignetteJeton& vignette);
    // The tile's top-left corner kept inside the window.
    QPoint dansLaFenetre(const VignetteJeton& vignette, QPoint coin) const;

    Jeu& jeu;
    VueQt& vue;
    FenetrePrincipale& fenetre;
    int tire = 0;
    QPoint prise;  // where the tile was taken, inside its picture
    int pourEchange = 0;  // the tile pressed while the exchange is open
};

}  // namespace glyphane::ui
