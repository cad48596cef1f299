#include "ui/image_agrandie.h"

#include <QPainter>

#include "ui/echelle_peinture.h"

namespace glyphane::ui {

ImageAgrandie::ImageAgrandie(QWidget* parent) : QLabel(parent) {}

void ImageAgrandie::montrer(const QPixmap& exacte, std::function<QImage(double)> dessiner) {
    dessin = std::move(dessiner);
    agrandie = QImage();
    setPixmap(exacte);
}

void ImageAgrandie::paintEvent(QPaintEvent* evenement) {
    QPainter p(this);
    const QPixmap exacte = pixmap();
    if (memeEchelle(echelleDuPeintre(p), 1) || !dessin || exacte.isNull()) {
        p.end();
        QLabel::paintEvent(evenement);
        return;
    }
    // A label that stretches its picture draws it for its own size too.
    const QRectF cible = hasScaledContents() ? QRectF(rect()) : QRectF(QPointF(0, 0), exacte.deviceIndependentSize());
    const double echelle = echelleDuPeintre(p) * cible.width() / exacte.deviceIndependentSize().width();
    if (!memeEchelle(echelle, agrandie.devicePixelRatio())) {
        agrandie = dessin(echelle);
        agrandie.setDevicePixelRatio(echelle);
    }
    p.drawImage(cible, agrandie);
}

}  // namespace glyphane::ui
