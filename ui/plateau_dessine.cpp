#include "ui/plateau_dessine.h"

#include <QPainter>

#include "ui/echelle_peinture.h"
#include "ui/fond_plateau.h"

namespace glyphane::ui {

namespace {

const QColor grisClair(238, 238, 238);
const QColor jaune(255, 255, 0);

// A tile's place on the window, as the model keeps it.
int placeDeCase(ModeEcran mode, int indice) { return selonMode(mode, 30 + 31 * (indice - 1), 22 + 25 * (indice - 1)); }

}  // namespace

PlateauDessine::PlateauDessine(ModeEcran modeEcran, QWidget* parent) : QWidget(parent), mode(modeEcran) {
    setObjectName(QStringLiteral("ImagebackG"));
    const int cote = selonMode(mode, 475, 386);
    setGeometry(QRect(origine(mode), QSize(cote, cote)));
}

QPoint PlateauDessine::origine(ModeEcran mode) { return selonMode(mode, QPoint(24, 24), QPoint(16, 16)); }

void PlateauDessine::poserFond(const QImage& image) {
    fond = image;
    fondDuProgramme = image.convertToFormat(QImage::Format_RGB32) == dessinerFondPlateau(mode);
    fondAgrandi = QImage();
    update();
}

void PlateauDessine::montrer(const Instantane& instantane) {
    const bool suggestion = instantane.surlignageSuggestion;
    avecContours = suggestion || instantane.surlignageDernierCoup;
    contours = suggestion ? instantane.grilleSuggestion : instantane.grilleDernierCoup;
    couleurContours = suggestion ? grisClair : jaune;
    update();
}

// The square's outline just around the tile on it, in the board's pixels.
QRect PlateauDessine::contourDeCase(int colonne, int ligne) const {
    const int x = placeDeCase(mode, colonne);
    const int y = placeDeCase(mode, ligne);
    const int avant = selonMode(mode, 25, 17);
    const int apres = selonMode(mode, 5, 8);
    return QRect(QPoint(x - avant, y - avant), QPoint(x + apres, y + apres));
}

void PlateauDessine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double echelle = echelleDuPeintre(p);
    if (fondDuProgramme && !memeEchelle(echelle, 1)) {
        if (!memeEchelle(echelle, fondAgrandi.devicePixelRatio())) {
            fondAgrandi = dessinerFondPlateau(mode, echelle);
            fondAgrandi.setDevicePixelRatio(echelle);
        }
        p.drawImage(rect(), fondAgrandi);
    } else {
        p.drawImage(0, 0, fond);
    }
    if (!avecContours) return;
    p.setPen(QPen(couleurContours, 1));
    p.setBrush(Qt::NoBrush);
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (!contours[x][y]) continue;
            const QRect r = contourDeCase(x, y);
            // drawRect covers one pixel more than the rectangle's width.
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
}

}  // namespace glyphane::ui
