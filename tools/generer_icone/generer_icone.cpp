// Draws the program's icon: the corner of the board, its red triple-word
// square, and a letter tile lying on it in the look of the tile faces (grey
// bevelled tile, dark blue capital, value at the lower right).
//
//   generer_icone DOSSIER
//
// DOSSIER receives glyphane.svg, the drawing the menus scale freely, and
// glyphane-N.png for the usual icon sizes, rendered from that same SVG so that
// the two never drift apart.
// The letters come from DejaVu Sans Bold (fonts-dejavu-core), the tile faces'
// font, read by path so every machine writes the same file; they are written
// as outlines: the SVG needs no font to show.

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QTransform>

#include <array>
#include <cstdio>

namespace {

constexpr double kCanvas = 256.0;
constexpr std::array kPngSizes{16, 24, 32, 48, 64, 128, 256};

// Board colours, as the window paints its board.
constexpr const char* kBoardLine = "#808080";
constexpr const char* kSquare = "#c0c0c0";
constexpr const char* kTripleWord = "#e61e1e";

// Tile colours, the palette of the tile faces.
constexpr const char* kEdgeDark = "#4e4c48";
constexpr const char* kEdgeShade = "#96948e";
constexpr const char* kFace = "#dedcd6";
constexpr const char* kEdgeLight = "#f0efeb";
constexpr const char* kEdgeWhite = "#ffffff";
constexpr const char* kInk = "#101c78";

// The tile shows the program's initial with its value in the French set.
const QString kLetter = QStringLiteral("G");
const QString kValue = QStringLiteral("2");

// Three squares of the board's top-left corner, 72 units wide between 6-unit lines.
constexpr double kBoardStart = 8.0;
constexpr double kLine = 6.0;
constexpr double kSquareSize = 72.0;

// The tile, and its proportions on a 29-pixel face: two bevel lines on each
// side, a cap height of 16 pixels from row 3, centred on column 13.5, and
// value digits 6 rows high ending at column and row 25.
constexpr double kTileLeft = 66.0;
constexpr double kTileSize = 176.0;
constexpr double kFacePixels = 29.0;

double onTile(double facePixels) { return kTileSize * facePixels / kFacePixels; }

QString number(double v) { return QString::number(v, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$"))); }

QString rect(double x, double y, double w, double h, const char* fill, const QString& extra = {}) {
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"%6/>\n")
        .arg(number(x), number(y), number(w), number(h), QString::fromLatin1(fill), extra);
}

QString board() {
    const double size = 3 * kSquareSize + 4 * kLine;
    QString out = QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"14\" fill=\"%3\"/>\n")
                      .arg(number(kBoardStart), number(size), QString::fromLatin1(kBoardLine));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double x = kBoardStart + kLine + column * (kSquareSize + kLine);
            const double y = kBoardStart + kLine + row * (kSquareSize + kLine);
            const bool corner = row == 0 && column == 0;
            out += rect(x, y, kSquareSize, kSquareSize, corner ? kTripleWord : kSquare,
                        corner ? QStringLiteral(" rx=\"6\"") : QString());
        }
    }
    // A word premium carries upright strokes, three for a triple.
    const double centre = kBoardStart + kLine + kSquareSize / 2;
    for (int i = -1; i <= 1; ++i) {
        out += rect(centre + i * 11.0 - 2.0, centre - 13.0, 4.0, 26.0, "#000000");
    }
    return out;
}

// Each bevel line is a square laid over the previous ones, exactly as the faces
// are drawn pixel by pixel: the top and left lines light, the bottom and right
// ones dark, with stepped corners.
QString tile() {
    const double x = kTileLeft;
    const double s = kTileSize;
    const double w = onTile(1.0);
    QString out = rect(x + 5, x + 7, s, s, "#000000", QStringLiteral(" rx=\"4\" opacity=\"0.35\""));
    out += rect(x, x, s, s, kEdgeDark);
    out += rect(x, x, s - w, s - w, kEdgeWhite);
    out += rect(x + w, x + w, s - 2 * w, s - 2 * w, kEdgeShade);
    out += rect(x + w, x + w, s - 3 * w, s - 3 * w, kEdgeLight);
    out += rect(x + 2 * w, x + 2 * w, s - 4 * w, s - 4 * w, kFace);
    return out;
}

QString svgPath(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
            case QPainterPath::MoveToElement: d += QStringLiteral("M"); break;
            case QPainterPath::LineToElement: d += QStringLiteral("L"); break;
            case QPainterPath::CurveToElement: d += QStringLiteral("C"); break;
            case QPainterPath::CurveToDataElement: d += QStringLiteral(" "); break;
        }
        d += number(e.x) + QStringLiteral(" ") + number(e.y);
    }
    return d + QStringLiteral("Z");
}

QPainterPath glyph(const QRawFont& font, const QString& text) {
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    return indexes.size() == 1 ? font.pathForGlyph(indexes.front()) : QPainterPath();
}

// Scales the outline to `height` and moves its box so that the given anchor
// lands on (x, y): anchorX 0.5 centres it, 1 puts its right side there; the
// box's top or bottom goes to y as atTop says.
QPainterPath placed(const QPainterPath& outline, double height, double x, double anchorX, double y, bool atTop) {
    const QRectF box = outline.boundingRect();
    const double scale = height / box.height();
    QTransform t;
    t.translate(x - anchorX * box.width() * scale, atTop ? y : y - height);
    t.scale(scale, scale);
    t.translate(-box.left(), -box.top());
    return t.map(outline);
}

QString ink(const QPainterPath& path) {
    const char* rule = path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
    return QStringLiteral("  <path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
        .arg(QString::fromLatin1(kInk), QString::fromLatin1(rule), svgPath(path));
}

QByteArray drawing(const QRawFont& font) {
    const QPainterPath letter = placed(glyph(font, kLetter), onTile(16.0), kTileLeft + onTile(14.0), 0.5,
                                       kTileLeft + onTile(3.0), true);
    const QPainterPath value = placed(glyph(font, kValue), onTile(6.0), kTileLeft + onTile(26.0), 1.0,
                                      kTileLeft + onTile(26.0), false);
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(number(kCanvas));
    svg += board() + tile() + ink(letter) + ink(value);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Renders the SVG as written at each size, and reads every PNG back.
bool writePngs(const QString& outDir, const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "the SVG just drawn does not render\n");
        return false;
    }
    for (int size : kPngSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing, true);
            renderer.render(&p);
        }
        const QString path = QStringLiteral("%1/glyphane-%2.png").arg(outDir).arg(size);
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        if (QImage(path).size() != QSize(size, size)) {
            std::fprintf(stderr, "%s does not read back at %d x %d\n", qPrintable(path), size, size);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: generer_icone DOSSIER\n");
        return 2;
    }
    const QString& outDir = args[1];
    const QString fontPath = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    const QRawFont font(fontPath, 256.0);
    if (!font.isValid() || glyph(font, kLetter).isEmpty() || glyph(font, kValue).isEmpty()) {
        std::fprintf(stderr, "cannot read the letters of %s\n", qPrintable(fontPath));
        return 1;
    }
    const QByteArray svg = drawing(font);
    if (!writeFile(outDir + QStringLiteral("/glyphane.svg"), svg) || !writePngs(outDir, svg)) return 1;
    return 0;
}
