#include "ui/vignette_jeton.h"

#include <QPainter>

#include "engine/jetons.h"
#include "ui/echelle_peinture.h"

namespace glyphane::ui {

VignetteJeton::VignetteJeton(int jeton, QWidget* parent) : QWidget(parent), numero(jeton) {
    setObjectName(QStringLiteral("Image%1").arg(jeton));
    setCursor(Qt::PointingHandCursor);
    if (estJoker(jeton)) setToolTip(QStringLiteral("Double-cliquer sur la pièce pour modifier sa valeur"));
}

void VignetteJeton::montrerFace(const FacesJetons& facesDuJeu, char lettreMontree) {
    if (faces == &facesDuJeu && lettre == lettreMontree) return;
    faces = &facesDuJeu;
    lettre = lettreMontree;
    update();
}

const QPixmap& VignetteJeton::face() const {
    static const QPixmap aucune;
    return faces != nullptr ? faces->face(numero, lettre) : aucune;
}

void VignetteJeton::paintEvent(QPaintEvent*) {
    if (faces == nullptr) return;
    QPainter p(this);
    p.drawPixmap(rect(), faces->face(numero, lettre, echelleDuPeintre(p)));
}

}  // namespace glyphane::ui
