#include "ui/vignette_jeton.h"

#include <QPainter>

#include "engine/jetons.h"

namespace glyphane::ui {

VignetteJeton::VignetteJeton(int jeton, QWidget* parent) : QWidget(parent), numero(jeton) {
    setObjectName(QStringLiteral("Image%1").arg(jeton));
    setCursor(Qt::PointingHandCursor);
    if (estJoker(jeton)) setToolTip(QStringLiteral("Double-cliquer sur la pièce pour modifier sa valeur"));
}

void VignetteJeton::montrerFace(const QPixmap& face) {
    if (face.cacheKey() == faceMontree.cacheKey()) return;
    faceMontree = face;
    update();
}

void VignetteJeton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), faceMontree);
}

}  // namespace glyphane::ui
