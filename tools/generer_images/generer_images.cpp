// Draws the program's tile faces and writes them as 16-colour (4 bits per
// pixel) BMP files, the format the main window loads and caches; and the alarm
// LEDs, as PNG files whose alpha lets the window's colour show around the lamp.
//
//   generer_images DOSSIER [--planche FICHIER.png] [--police FICHIER.ttf]
//
// DOSSIER receives the 108 pictures (53 faces per screen mode, two LEDs).
// --planche also writes a 4x contact sheet of every picture, read back from
// the files just written, to judge the artwork by eye.
// --police replaces the letter font (default: DejaVu Sans Bold, the copy in
// resources/polices that the program also carries, read by path so every
// machine draws the same pixels whatever fontconfig would have picked).
//
// The faces' and the LEDs' drawings are the program's own (ui/dessin_faces.h,
// ui/dessin_led.h), which an enlarged window also draws at its own scale: this
// tool writes them at the layouts' pixels.

#include "bmp4.h"
#include "leds.h"
#include "ui/dessin_faces.h"
#include "ui/dessin_led.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

// The face drawn at the layout's pixels, as palette indices.
Picture indexed(const QImage& image) {
    Palette palette{};
    const QList<QRgb> table = image.colorTable();
    std::copy(table.begin(), table.end(), palette.begin());
    Picture pic(image.width(), image.height(), palette, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) pic.at(x, y) = static_cast<std::uint8_t>(image.pixelIndex(x, y));
    return pic;
}

// Resource names the main window asks for, in letter order a..z.
QString letterName800(int i) { return i == 0 ? QStringLiteral("A2") : QString(QChar('A' + i)); }
QString referenceName800(int i) { return QString(2, QChar('A' + i)); }
QString letterName640(int i) {
    const QChar c('A' + i);
    if (i < 6) return QStringLiteral("XX") + c;
    if (c == QChar('X')) return QStringLiteral("XX6");
    return QStringLiteral("X") + c;
}
QString referenceName640(int i) {
    const QChar c('A' + i);
    if (c == QChar('X')) return QStringLiteral("XXX6");
    return QString(c) + QStringLiteral("6");
}

// ---------------------------------------------------------------------------

struct Output {
    QString name;
    Picture picture;
};

// Reads every file back the way the program will and checks size and colours.
bool verify(const QString& dir, const std::vector<Output>& outputs) {
    bool ok = true;
    for (const auto& o : outputs) {
        const QString path = dir + QLatin1Char('/') + o.name + QStringLiteral(".bmp");
        QImage img(path);
        if (img.isNull() || img.width() != o.picture.width || img.height() != o.picture.height) {
            std::fprintf(stderr, "%s: cannot be read back at its size\n", qPrintable(path));
            ok = false;
            continue;
        }
        std::set<QRgb> used;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QRgb expected = o.picture.palette[o.picture.at(x, y)];
                if ((img.pixel(x, y) & 0xffffff) != (expected & 0xffffff)) {
                    std::fprintf(stderr, "%s: pixel (%d, %d) differs\n", qPrintable(path), x, y);
                    ok = false;
                    y = img.height();
                    break;
                }
                used.insert(img.pixel(x, y));
            }
        }
        if (used.size() > 16) {
            std::fprintf(stderr, "%s: more than 16 colours\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

// Contact sheet: every picture at 4x on the board's silver, one row per group
// (letters, then references and the empty face, for each mode, then the LEDs),
// and below them a few faces at their real size and at 2x on the board pitch.
bool writeSheet(const QString& dir, const QString& sheetPath, const std::vector<Output>& outputs,
                const std::vector<LedOutput>& leds) {
    constexpr int zoom = 4;
    constexpr int gap = 6;
    constexpr int cell = 29 * zoom + gap;
    const std::vector<std::pair<std::size_t, std::size_t>> groups{{0, 26}, {26, 53}, {53, 79}, {79, 106}};
    const int width = 27 * cell + gap;
    const int height = static_cast<int>(groups.size() + 1) * cell + 200;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(192, 192, 192));
    QPainter p(&sheet);
    auto load = [&](const QString& name) { return QImage(dir + QLatin1Char('/') + name + QStringLiteral(".bmp")); };

    int y = gap;
    for (const auto& [first, last] : groups) {
        for (std::size_t i = first; i < last && i < outputs.size(); ++i) {
            const QImage img = load(outputs[i].name);
            p.drawImage(QRect(gap + static_cast<int>(i - first) * cell, y, img.width() * zoom, img.height() * zoom), img);
        }
        y += cell;
    }
    for (std::size_t i = 0; i < leds.size(); ++i) {
        const QImage img(ledPath(dir, leds[i].name));
        p.drawImage(QRect(gap + static_cast<int>(i) * cell, y, img.width() * zoom, img.height() * zoom), img);
    }
    y += cell;

    // Faces on the board grid of each mode: 31-pixel pitch with 28-pixel
    // squares, 25-pixel pitch with 22-pixel squares.
    auto strip = [&](const QStringList& names, int pitch, int x0, int y0, int scale) {
        for (int i = 0; i < names.size(); ++i) {
            const QImage img = load(names[i]);
            const int x = x0 + i * pitch * scale;
            p.fillRect(x, y0, pitch * scale, pitch * scale, QColor(128, 128, 128));
            p.fillRect(x + scale, y0 + scale, (pitch - 3) * scale, (pitch - 3) * scale, QColor(192, 192, 192));
            p.drawImage(QRect(x + scale, y0 + scale, img.width() * scale, img.height() * scale), img);
        }
    };
    strip({"G", "L", "Y", "P", "H", "A2", "N", "E", "VIDE", "K", "W", "QQ", "M"}, 31, gap, y, 1);
    strip({"XG", "XL", "XY", "XP", "XH", "XXA", "XN", "XXE", "XVIDE", "XK", "XW", "Q6", "XM"}, 25, gap + 440, y, 1);
    strip({"J", "O", "U", "XX", "Z", "B", "F", "I"}, 31, gap, y + 50, 2);
    strip({"XJ", "XO", "XU", "XX6", "XZ", "Z6", "XXF", "XI"}, 25, gap + 560, y + 50, 2);
    p.end();
    return sheet.save(sheetPath);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QString outDir, sheetPath;
    QString fontPath = QStringLiteral(POLICE_LETTRES);
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--planche") && i + 1 < args.size()) {
            sheetPath = args[++i];
        } else if (args[i] == QStringLiteral("--police") && i + 1 < args.size()) {
            fontPath = args[++i];
        } else if (outDir.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            outDir = args[i];
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: generer_images DOSSIER [--planche FICHIER.png] [--police FICHIER.ttf]\n");
        return 2;
    }
    QFile fontFile(fontPath);
    const glyphane::ui::DessinFaces faces(fontFile.open(QIODevice::ReadOnly) ? fontFile.readAll() : QByteArray());
    if (!faces.valide()) {
        std::fprintf(stderr, "cannot load the letter font %s\n",
                     qPrintable(fontPath));
        return 1;
    }

    std::vector<Output> outputs;
    using glyphane::ui::ModeEcran;
    auto letter = [&](ModeEcran mode, int i) { return indexed(faces.lettre(mode, static_cast<char>('a' + i), 1)); };
    auto reference = [&](ModeEcran mode, int i) {
        return indexed(faces.reference(mode, static_cast<char>('a' + i), 1));
    };
    for (int i = 0; i < 26; ++i) outputs.push_back({letterName800(i), letter(ModeEcran::m800, i)});
    for (int i = 0; i < 26; ++i) outputs.push_back({referenceName800(i), reference(ModeEcran::m800, i)});
    outputs.push_back({QStringLiteral("VIDE"), indexed(faces.vide(ModeEcran::m800, 1))});
    for (int i = 0; i < 26; ++i) outputs.push_back({letterName640(i), letter(ModeEcran::m640, i)});
    for (int i = 0; i < 26; ++i) outputs.push_back({referenceName640(i), reference(ModeEcran::m640, i)});
    outputs.push_back({QStringLiteral("XVIDE"), indexed(faces.vide(ModeEcran::m640, 1))});
    const std::vector<LedOutput> leds{{QStringLiteral("LedOn"), glyphane::ui::dessinerLed(true, 1)},
                                      {QStringLiteral("LedOff"), glyphane::ui::dessinerLed(false, 1)}};

    std::set<QString> names;
    for (const auto& o : outputs) {
        if (!names.insert(o.name).second) {
            std::fprintf(stderr, "duplicate resource name %s\n", qPrintable(o.name));
            return 1;
        }
        if (!writeBmp4(o.picture, outDir + QLatin1Char('/') + o.name + QStringLiteral(".bmp"))) return 1;
    }
    for (const auto& l : leds) {
        if (!l.image.save(ledPath(outDir, l.name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(ledPath(outDir, l.name)));
            return 1;
        }
    }
    if (!verify(outDir, outputs) || !verifyLeds(outDir, leds)) return 1;
    std::printf("%zu pictures written to %s\n", outputs.size() + leds.size(), qPrintable(outDir));

    if (!sheetPath.isEmpty()) {
        if (!writeSheet(outDir, sheetPath, outputs, leds)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
            return 1;
        }
        std::printf("contact sheet written to %s\n", qPrintable(sheetPath));
    }
    return 0;
}
