#include "ui/led_alarme.h"

#include <QPainter>

#include "ui/dessin_led.h"
#include "ui/echelle_peinture.h"

namespace glyphane::ui {

LedAlarme::LedAlarme(QWidget* parent) : QLabel(parent) { setObjectName(QStringLiteral("led")); }

void LedAlarme::allumer(bool lampeAllumee) {
    allumee = lampeAllumee;
    agrandie = QImage();
    setPixmap(QPixmap(allumee ? QStringLiteral(":/LedOn") : QStringLiteral(":/LedOff")));
}

void LedAlarme::paintEvent(QPaintEvent* evenement) {
    QPainter p(this);
    const double echelle = echelleDuPeintre(p);
    if (memeEchelle(echelle, 1)) {
        p.end();
        QLabel::paintEvent(evenement);
        return;
    }
    if (!memeEchelle(echelle, agrandie.devicePixelRatio())) {
        agrandie = dessinerLed(allumee, echelle);
        agrandie.setDevicePixelRatio(echelle);
    }
    p.drawImage(QRect(QPoint(0, 0), QSize(coteLed, coteLed)), agrandie);
}

}  // namespace glyphane::ui
