#include "ui/dessin_led.h"

#include <QColor>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace glyphane::ui {

// A round lamp in a dark bezel, drawn 16 times larger and averaged down so its
// rim is smooth at 12 x 12. Around the lamp the picture is transparent: the
// window behind it may have any colour the player chose.
QImage dessinerLed(bool allumee, double echelle) {
    const int cote = static_cast<int>(std::lround(coteLed * echelle));
    constexpr int finesse = 16;
    // One layout pixel, on the picture drawn large.
    const double unite = static_cast<double>(cote * finesse) / coteLed;
    QImage grande(cote * finesse, cote * finesse, QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        const QPointF centre(6.0 * unite, 6.0 * unite);
        if (allumee) {  // soft halo spilling just past the bezel
            QRadialGradient halo(centre, 6.0 * unite);
            halo.setColorAt(0.70, QColor(255, 60, 40, 150));
            halo.setColorAt(1.00, QColor(255, 60, 40, 0));
            p.setBrush(halo);
            p.drawEllipse(centre, 6.0 * unite, 6.0 * unite);
        }
        QLinearGradient bague(QPointF(0, 1.0 * unite), QPointF(0, 11.0 * unite));
        bague.setColorAt(0.0, QColor(70, 66, 60));
        bague.setColorAt(1.0, QColor(200, 196, 186));
        p.setBrush(bague);
        p.drawEllipse(centre, 5.0 * unite, 5.0 * unite);

        QRadialGradient lampe(QPointF(5.2 * unite, 4.8 * unite), 4.6 * unite);
        if (allumee) {
            lampe.setColorAt(0.0, QColor(255, 236, 220));
            lampe.setColorAt(0.25, QColor(255, 110, 80));
            lampe.setColorAt(0.75, QColor(230, 20, 10));
            lampe.setColorAt(1.0, QColor(150, 0, 0));
        } else {
            lampe.setColorAt(0.0, QColor(120, 50, 46));
            lampe.setColorAt(0.6, QColor(76, 18, 16));
            lampe.setColorAt(1.0, QColor(44, 6, 6));
        }
        p.setBrush(lampe);
        p.drawEllipse(centre, 4.0 * unite, 4.0 * unite);

        // Small reflection at the upper left, brighter when lit.
        p.setBrush(allumee ? QColor(255, 255, 255, 220) : QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(4.6 * unite, 4.4 * unite), 1.1 * unite, 0.8 * unite);
    }
    // The average of premultiplied channels, so that the transparent pixels
    // around the rim lend it no colour.
    QImage petite(cote, cote, QImage::Format_ARGB32);
    for (int y = 0; y < cote; ++y) {
        for (int x = 0; x < cote; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int v = 0; v < finesse; ++v) {
                for (int u = 0; u < finesse; ++u) {
                    const QRgb c = grande.pixel(x * finesse + u, y * finesse + v);
                    const QRgb p = qPremultiply(c);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    a += qAlpha(p);
                }
            }
            constexpr int n = finesse * finesse;
            const QRgb moyenne = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
            petite.setPixel(x, y, qUnpremultiply(moyenne));
        }
    }
    return petite;
}

}  // namespace glyphane::ui
