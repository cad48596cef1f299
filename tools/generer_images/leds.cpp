#include "leds.h"

#include <QColor>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

// A round lamp in a dark bezel, drawn 16 times larger and averaged down so its
// rim is smooth at 12 x 12. Around the lamp the picture is transparent: the
// window behind it may have any colour the player chose.
QImage led(bool lit) {
    constexpr int kSize = 12;
    constexpr int kScale = 16;
    constexpr double s = kScale;
    QImage big(kSize * kScale, kSize * kScale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        const QPointF centre(6.0 * s, 6.0 * s);
        if (lit) {  // soft glow spilling just past the bezel
            QRadialGradient glow(centre, 6.0 * s);
            glow.setColorAt(0.70, QColor(255, 60, 40, 150));
            glow.setColorAt(1.00, QColor(255, 60, 40, 0));
            p.setBrush(glow);
            p.drawEllipse(centre, 6.0 * s, 6.0 * s);
        }
        QLinearGradient bezel(QPointF(0, 1.0 * s), QPointF(0, 11.0 * s));
        bezel.setColorAt(0.0, QColor(70, 66, 60));
        bezel.setColorAt(1.0, QColor(200, 196, 186));
        p.setBrush(bezel);
        p.drawEllipse(centre, 5.0 * s, 5.0 * s);

        QRadialGradient body(QPointF(5.2 * s, 4.8 * s), 4.6 * s);
        if (lit) {
            body.setColorAt(0.0, QColor(255, 236, 220));
            body.setColorAt(0.25, QColor(255, 110, 80));
            body.setColorAt(0.75, QColor(230, 20, 10));
            body.setColorAt(1.0, QColor(150, 0, 0));
        } else {
            body.setColorAt(0.0, QColor(120, 50, 46));
            body.setColorAt(0.6, QColor(76, 18, 16));
            body.setColorAt(1.0, QColor(44, 6, 6));
        }
        p.setBrush(body);
        p.drawEllipse(centre, 4.0 * s, 4.0 * s);

        // Small reflection at the upper left, brighter when lit.
        p.setBrush(lit ? QColor(255, 255, 255, 220) : QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(4.6 * s, 4.4 * s), 1.1 * s, 0.8 * s);
    }
    // The average of premultiplied channels, so that the transparent pixels
    // around the rim lend it no colour.
    QImage small(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int v = 0; v < kScale; ++v) {
                for (int u = 0; u < kScale; ++u) {
                    const QRgb c = big.pixel(x * kScale + u, y * kScale + v);
                    const QRgb p = qPremultiply(c);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    a += qAlpha(p);
                }
            }
            constexpr int n = kScale * kScale;
            const QRgb average = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
            small.setPixel(x, y, qUnpremultiply(average));
        }
    }
    return small;
}

QString ledPath(const QString& dir, const QString& name) { return dir + QLatin1Char('/') + name + QStringLiteral(".png"); }

bool verifyLeds(const QString& dir, const std::vector<LedOutput>& leds) {
    bool ok = true;
    for (const auto& l : leds) {
        const QImage img(ledPath(dir, l.name));
        const int last = l.image.width() - 1;
        if (img.size() != l.image.size() || qAlpha(img.pixel(0, 0)) != 0 || qAlpha(img.pixel(last, last)) != 0) {
            std::fprintf(stderr, "%s: not read back at its size with clear corners\n", qPrintable(l.name));
            ok = false;
        }
    }
    return ok;
}
