// Draws the program's tile faces and writes them as 16-colour (4 bits per
// pixel) BMP files, the format the main window loads and caches; and the alarm
// LEDs, as PNG files whose alpha lets the window's colour show around the lamp.
//
//   generer_images DOSSIER [--planche FICHIER.png] [--police FICHIER.ttf]
//
// DOSSIER receives the 108 pictures (53 faces per screen mode, two LEDs).
// --planche also writes a 4x contact sheet of every picture, read back from
// the files just written, to judge the artwork by eye.
// --police replaces the letter font (default: DejaVu Sans Bold from the
// fonts-dejavu-core package, read by path so every machine draws the same
// pixels whatever fontconfig would have picked).
//
// Faces are not drawn with QPainter straight into a 16-colour image: the
// letters are rendered as anti-aliased coverage, and the coverage is then
// mapped onto a short ramp of blues between the face grey and the letter
// blue.  That keeps the edges smooth while staying within 16 colours, and
// every other element (bevel, frame, value digits) is placed pixel by pixel
// so that nothing is blurred at 24 x 24.

#include "bmp4.h"
#include "leds.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
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

// ---------------------------------------------------------------------------
// Tile faces

// One palette for every face of both modes.
enum TileColour : std::uint8_t {
    kEdgeDark = 0,    // outermost bottom/right line
    kEdgeShade = 1,   // second bottom/right line
    kFace = 2,        // tile surface
    kEdgeLight = 3,   // second top/left line
    kEdgeWhite = 4,   // outermost top/left line
    kInk = 5,         // letter and value blue; kInk + 1 .. kInk + 4 fade to kFace
    kInk80 = 6,
    kInk60 = 7,
    kInk40 = 8,
    kInk20 = 9,
    kFrame = 10,      // red frame of the blank tile
    kFrameDark = 11,
};

constexpr QRgb kFaceRgb = qRgb(222, 220, 214);
constexpr QRgb kInkRgb = qRgb(16, 28, 120);

QRgb mix(QRgb a, QRgb b, double t) {  // t = weight of b
    auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

Palette tilePalette() {
    Palette p{};
    p.fill(qRgb(0, 0, 0));
    p[kEdgeDark] = qRgb(78, 76, 72);
    p[kEdgeShade] = qRgb(150, 148, 142);
    p[kFace] = kFaceRgb;
    p[kEdgeLight] = qRgb(240, 239, 235);
    p[kEdgeWhite] = qRgb(255, 255, 255);
    p[kInk] = kInkRgb;
    p[kInk80] = mix(kFaceRgb, kInkRgb, 0.8);
    p[kInk60] = mix(kFaceRgb, kInkRgb, 0.6);
    p[kInk40] = mix(kFaceRgb, kInkRgb, 0.4);
    p[kInk20] = mix(kFaceRgb, kInkRgb, 0.2);
    p[kFrame] = qRgb(204, 24, 24);
    p[kFrameDark] = qRgb(128, 8, 8);
    return p;
}

// Layout of one screen mode.  All numbers are pixels of the final picture.
struct ModeLayout {
    int size;            // face width and height
    int letterCap;       // cap height of a letter face's letter
    int letterTop;       // top row of that cap height
    double letterCentre; // horizontal centre (pixel coordinate) of that letter
    int letterMaxWidth;  // wider letters (M, W) are narrowed to this
    int refCap;          // cap height of a reference face's letter
    int refMaxWidth;
    int frameWidth;      // red frame width of the blank faces
    int valueRight;      // rightmost column of the value digits
    int valueBottom;     // bottom row of the value digits
    bool largeDigits;
};

constexpr ModeLayout kMode800{29, 16, 3, 13.5, 21, 15, 18, 2, 25, 25, true};
constexpr ModeLayout kMode640{24, 12, 3, 11.0, 17, 11, 14, 2, 20, 20, false};

// Hand-drawn digits: a vector font turns to mush at 5 or 6 pixels high.
struct DigitGlyph {
    char digit;
    std::vector<const char*> rows;
};

const std::vector<DigitGlyph>& smallDigits() {  // 5 rows, for 24 x 24
    static const std::vector<DigitGlyph> glyphs{
        {'0', {"###", "#.#", "#.#", "#.#", "###"}},
        {'1', {".#", "##", ".#", ".#", ".#"}},
        {'2', {"##.", "..#", ".#.", "#..", "###"}},
        {'3', {"###", "..#", ".##", "..#", "###"}},
        {'4', {"#.#", "#.#", "###", "..#", "..#"}},
        {'8', {"###", "#.#", "###", "#.#", "###"}},
    };
    return glyphs;
}

const std::vector<DigitGlyph>& largeDigits() {  // 6 rows, for 29 x 29
    static const std::vector<DigitGlyph> glyphs{
        {'0', {".##.", "#..#", "#..#", "#..#", "#..#", ".##."}},
        {'1', {".#", "##", ".#", ".#", ".#", ".#"}},
        {'2', {".##.", "#..#", "...#", "..#.", ".#..", "####"}},
        {'3', {"###.", "...#", ".##.", "...#", "...#", "###."}},
        {'4', {"..#.", ".##.", "#.#.", "####", "..#.", "..#."}},
        {'8', {".##.", "#..#", ".##.", "#..#", "#..#", ".##."}},
    };
    return glyphs;
}

const DigitGlyph& findDigit(const std::vector<DigitGlyph>& font, char d) {
    for (const auto& g : font)
        if (g.digit == d) return g;
    std::fprintf(stderr, "no pixel glyph for digit %c\n", d);
    std::exit(1);
}

int glyphWidth(const DigitGlyph& g) { return static_cast<int>(std::string(g.rows.front()).size()); }

// Draws the value right-aligned on (right, bottom), one blank column between digits.
void drawValue(Picture& pic, const ModeLayout& mode, int value) {
    const auto& font = mode.largeDigits ? largeDigits() : smallDigits();
    const std::string text = std::to_string(value);
    int total = -1;
    for (char c : text) total += glyphWidth(findDigit(font, c)) + 1;
    int x = mode.valueRight - total + 1;
    for (char c : text) {
        const DigitGlyph& g = findDigit(font, c);
        const int h = static_cast<int>(g.rows.size());
        for (int r = 0; r < h; ++r)
            for (int col = 0; col < glyphWidth(g); ++col)
                if (g.rows[static_cast<std::size_t>(r)][col] == '#')
                    pic.at(x + col, mode.valueBottom - h + 1 + r) = kInk;
        x += glyphWidth(g) + 1;
    }
}

// The raised tile: two light lines on the top and left edges, two dark ones on
// the bottom and right edges, the face colour inside.
Picture bevelledTile(int size) {
    Picture pic(size, size, tilePalette(), kFace);
    const int last = size - 1;
    for (int i = 0; i < last; ++i) {
        pic.at(i, 0) = kEdgeWhite;
        pic.at(0, i) = kEdgeWhite;
    }
    for (int i = 1; i < last - 1; ++i) {
        pic.at(i, 1) = kEdgeLight;
        pic.at(1, i) = kEdgeLight;
    }
    for (int i = 1; i < last; ++i) {
        pic.at(i, last - 1) = kEdgeShade;
        pic.at(last - 1, i) = kEdgeShade;
    }
    for (int i = 0; i <= last; ++i) {
        pic.at(i, last) = kEdgeDark;
        pic.at(last, i) = kEdgeDark;
    }
    return pic;
}

// The red frame of a blank tile, laid just inside the bevel so that the blank
// still reads as a raised tile among the others on the board.
void drawFrame(Picture& pic, int width) {
    const int lo = 2;
    const int hi = pic.width - 3;
    for (int k = 0; k < width; ++k) {
        for (int i = lo + k; i <= hi - k; ++i) {
            pic.at(i, lo + k) = kFrame;
            pic.at(i, hi - k) = kFrame;
            pic.at(lo + k, i) = kFrame;
            pic.at(hi - k, i) = kFrame;
        }
    }
    // A darker inner edge lets the frame sit on the tile instead of floating.
    const int in = lo + width - 1;
    const int out = hi - width + 1;
    for (int i = in; i <= out; ++i) {
        pic.at(i, out) = kFrameDark;
        pic.at(out, i) = kFrameDark;
    }
}

class LetterRenderer {
public:
    // QRawFont reads the outlines straight from the file: no font matching can
    // swap in a lighter face of the same family.
    explicit LetterRenderer(const QString& fontPath) : font_(fontPath, 1000.0) {
        if (font_.isValid()) capHeight_ = outline(QChar('H')).boundingRect().height();
    }

    bool isValid() const { return font_.isValid() && capHeight_ > 0; }

    // Paints the capital `letter` in blue with its cap height on rows
    // top .. top + cap - 1, centred on the column coordinate `centre`, at most
    // maxWidth pixels wide.  A letter reaching below row lowestRow (the hook
    // of J, the tail of Q) is raised just enough to stay above it.
    void draw(Picture& pic, QChar letter, int cap, int top, double centre, int maxWidth, int lowestRow) const {
        const QPainterPath path = outline(letter);
        const double scale = cap / capHeight_;
        const QRectF box = path.boundingRect();
        // The glyph box gets a whole number of pixels and its left edge a pixel
        // boundary, so the outer stems of H, M, N... fall on whole columns
        // instead of being split over two.  The stretch this costs is under
        // half a pixel, except for the wide M and W, which are narrowed.
        const int width = std::min(maxWidth, static_cast<int>(std::lround(box.width() * scale)));
        const double xscale = width / box.width();
        const double left = std::round(centre + 0.5 - width / 2.0);
        const double dx = left - box.left() * xscale;
        const double dy = top + cap - std::max(0.0, std::ceil(box.bottom() * scale - 0.25) - (lowestRow + 1 - top - cap));

        QImage coverage(pic.width, pic.height, QImage::Format_ARGB32_Premultiplied);
        coverage.fill(Qt::transparent);
        {
            QPainter p(&coverage);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.translate(dx, dy);
            p.scale(xscale, scale);
            p.fillPath(path, Qt::white);
        }
        static constexpr std::array<std::uint8_t, 6> ramp{kFace, kInk20, kInk40, kInk60, kInk80, kInk};
        for (int y = 0; y < pic.height; ++y) {
            for (int x = 0; x < pic.width; ++x) {
                const double a = qAlpha(coverage.pixel(x, y)) / 255.0;
                const int level = static_cast<int>(std::lround(a * 5.0));
                if (level > 0) pic.at(x, y) = ramp[static_cast<std::size_t>(level)];
            }
        }
    }

private:
    QPainterPath outline(QChar letter) const {
        const QList<quint32> glyphs = font_.glyphIndexesForString(QString(letter));
        return glyphs.isEmpty() ? QPainterPath() : font_.pathForGlyph(glyphs.front());
    }

    QRawFont font_;
    double capHeight_ = 0.0;
};

constexpr std::array<int, 26> kLetterValues{1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2,
                                             1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};

Picture letterFace(const ModeLayout& mode, const LetterRenderer& r, int i) {
    Picture pic = bevelledTile(mode.size);
    r.draw(pic, QChar('A' + i), mode.letterCap, mode.letterTop, mode.letterCentre, mode.letterMaxWidth,
           mode.valueBottom);
    drawValue(pic, mode, kLetterValues[static_cast<std::size_t>(i)]);
    return pic;
}

Picture referenceFace(const ModeLayout& mode, const LetterRenderer& r, int i) {
    Picture pic = bevelledTile(mode.size);
    drawFrame(pic, mode.frameWidth);
    const int top = (mode.size - mode.refCap) / 2;
    const int lowest = mode.size - 4 - mode.frameWidth;  // one clear row above the frame
    r.draw(pic, QChar('A' + i), mode.refCap, top, (mode.size - 1) / 2.0, mode.refMaxWidth, lowest);
    return pic;
}

Picture emptyFace(const ModeLayout& mode) {
    Picture pic = bevelledTile(mode.size);
    drawFrame(pic, mode.frameWidth);
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
    QString fontPath = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
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
    const LetterRenderer letters(fontPath);
    if (!letters.isValid()) {
        std::fprintf(stderr, "cannot load the letter font %s (Debian package fonts-dejavu-core)\n",
                     qPrintable(fontPath));
        return 1;
    }

    std::vector<Output> outputs;
    for (int i = 0; i < 26; ++i) outputs.push_back({letterName800(i), letterFace(kMode800, letters, i)});
    for (int i = 0; i < 26; ++i) outputs.push_back({referenceName800(i), referenceFace(kMode800, letters, i)});
    outputs.push_back({QStringLiteral("VIDE"), emptyFace(kMode800)});
    for (int i = 0; i < 26; ++i) outputs.push_back({letterName640(i), letterFace(kMode640, letters, i)});
    for (int i = 0; i < 26; ++i) outputs.push_back({referenceName640(i), referenceFace(kMode640, letters, i)});
    outputs.push_back({QStringLiteral("XVIDE"), emptyFace(kMode640)});
    const std::vector<LedOutput> leds{{QStringLiteral("LedOn"), led(true)}, {QStringLiteral("LedOff"), led(false)}};

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
