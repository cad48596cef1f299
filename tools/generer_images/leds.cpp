#include "leds.h"

#include <cstdio>

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
