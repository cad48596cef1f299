#include "ui/dessin_faces.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// Faces are not drawn with QPainter straight into a 16-colour picture: the
// letters are rendered as anti-aliased coverage, and the coverage is then mapped
// onto a short ramp of blues between the face grey and the letter blue. That
// keeps the edges smooth while staying within 16 colours, and every other
// element (bevel, frame, value digits) is placed pixel by pixel so that nothing
// is blurred at 24 x 24. Enlarged, each of those pixels covers the device
// pixels it lands on, and the letters and values are drawn at the device's own.
namespace glyphane::ui {

namespace {

// One palette for every face of both layouts.
enum Couleur : std::uint8_t {
    bordSombre = 0,   // outermost bottom/right line
    bordOmbre = 1,    // second bottom/right line
    surface = 2,      // the tile's face
    bordClair = 3,    // second top/left line
    bordBlanc = 4,    // outermost top/left line
    encre = 5,        // letter and value blue; encre + 1 .. encre + 4 fade to the surface
    encre80 = 6,
    encre60 = 7,
    encre40 = 8,
    encre20 = 9,
    cadreRouge = 10,  // red frame of the blank tile
    cadreSombre = 11,
};

constexpr QRgb gris = qRgb(222, 220, 214);
constexpr QRgb bleu = qRgb(16, 28, 120);

QRgb melange(QRgb a, QRgb b, double t) {  // t = weight of b
    auto canal = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(canal(qRed(a), qRed(b)), canal(qGreen(a), qGreen(b)), canal(qBlue(a), qBlue(b)));
}

QList<QRgb> palette() {
    QList<QRgb> p(16, qRgb(0, 0, 0));
    p[bordSombre] = qRgb(78, 76, 72);
    p[bordOmbre] = qRgb(150, 148, 142);
    p[surface] = gris;
    p[bordClair] = qRgb(240, 239, 235);
    p[bordBlanc] = qRgb(255, 255, 255);
    p[encre] = bleu;
    p[encre80] = melange(gris, bleu, 0.8);
    p[encre60] = melange(gris, bleu, 0.6);
    p[encre40] = melange(gris, bleu, 0.4);
    p[encre20] = melange(gris, bleu, 0.2);
    p[cadreRouge] = qRgb(204, 24, 24);
    p[cadreSombre] = qRgb(128, 8, 8);
    return p;
}

// One layout's face, in the layout's pixels.
struct Mesures {
    int cote;               // face width and height
    int capitale;           // cap height of a letter face's letter
    int hautLettre;         // top row of that cap height
    double centreLettre;    // horizontal centre (pixel coordinate) of that letter
    int largeurLettre;      // wider letters (M, W) are narrowed to this
    int capitaleReference;  // cap height of a reference face's letter
    int largeurReference;
    int largeurCadre;       // red frame width of the blank faces
    int droiteValeur;       // rightmost column of the value digits
    int basValeur;          // bottom row of the value digits
    bool grandsChiffres;
};

Mesures mesures(ModeEcran mode) {
    return selonMode(mode, Mesures{29, 16, 3, 13.5, 21, 15, 18, 2, 25, 25, true},
                     Mesures{24, 12, 3, 11.0, 17, 11, 14, 2, 20, 20, false});
}

constexpr std::array<int, 26> valeurs{1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 10, 1, 2,
                                      1, 1, 3, 8, 1, 1, 1, 1, 4, 10, 10, 10, 10};

// The layout's pixel grid laid over the device's: each layout pixel covers the
// device pixels whose index rounds into it.
class Grille {
public:
    Grille(QImage& image, double echelle) : cible(image), facteur(echelle) {}

    void poser(int x, int y, std::uint8_t couleur) {
        for (int v = bord(y); v < bord(y + 1); ++v) {
            for (int u = bord(x); u < bord(x + 1); ++u) cible.setPixel(u, v, couleur);
        }
    }

private:
    int bord(int i) const { return static_cast<int>(std::lround(i * facteur)); }

    QImage& cible;
    double facteur;
};

QImage toile(const Mesures& m, double echelle) {
    const int cote = static_cast<int>(std::lround(m.cote * echelle));
    QImage image(cote, cote, QImage::Format_Indexed8);
    image.setColorTable(palette());
    image.fill(surface);
    return image;
}

// The raised tile: two light lines on the top and left edges, two dark ones on
// the bottom and right edges, the face colour inside.
QImage tuile(const Mesures& m, double echelle) {
    QImage image = toile(m, echelle);
    Grille g(image, echelle);
    const int dernier = m.cote - 1;
    for (int i = 0; i < dernier; ++i) {
        g.poser(i, 0, bordBlanc);
        g.poser(0, i, bordBlanc);
    }
    for (int i = 1; i < dernier - 1; ++i) {
        g.poser(i, 1, bordClair);
        g.poser(1, i, bordClair);
    }
    for (int i = 1; i < dernier; ++i) {
        g.poser(i, dernier - 1, bordOmbre);
        g.poser(dernier - 1, i, bordOmbre);
    }
    for (int i = 0; i <= dernier; ++i) {
        g.poser(i, dernier, bordSombre);
        g.poser(dernier, i, bordSombre);
    }
    return image;
}

// The red frame of a blank tile, laid just inside the bevel so that the blank
// still reads as a raised tile among the others on the board.
void poserCadre(QImage& image, double echelle, const Mesures& m) {
    Grille g(image, echelle);
    const int bas = 2;
    const int haut = m.cote - 3;
    for (int k = 0; k < m.largeurCadre; ++k) {
        for (int i = bas + k; i <= haut - k; ++i) {
            g.poser(i, bas + k, cadreRouge);
            g.poser(i, haut - k, cadreRouge);
            g.poser(bas + k, i, cadreRouge);
            g.poser(haut - k, i, cadreRouge);
        }
    }
    // A darker inner edge lets the frame sit on the tile instead of floating.
    const int dedans = bas + m.largeurCadre - 1;
    const int dehors = haut - m.largeurCadre + 1;
    for (int i = dedans; i <= dehors; ++i) {
        g.poser(i, dehors, cadreSombre);
        g.poser(dehors, i, cadreSombre);
    }
}

// The path's coverage, through `placement`, mapped onto the ramp of blues.
void encrer(QImage& image, const QPainterPath& chemin, const QTransform& placement) {
    QImage couverture(image.size(), QImage::Format_ARGB32_Premultiplied);
    couverture.fill(Qt::transparent);
    {
        QPainter p(&couverture);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setTransform(placement);
        p.fillPath(chemin, Qt::white);
    }
    static constexpr std::array<std::uint8_t, 6> rampe{surface, encre20, encre40, encre60, encre80, encre};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double a = qAlpha(couverture.pixel(x, y)) / 255.0;
            const int niveau = static_cast<int>(std::lround(a * 5.0));
            if (niveau > 0) image.setPixel(x, y, rampe[static_cast<std::size_t>(niveau)]);
        }
    }
}

// Hand-drawn digits: a vector font turns to mush at 5 or 6 pixels high.
struct Chiffre {
    char chiffre;
    std::vector<const char*> lignes;
};

const std::vector<Chiffre>& petitsChiffres() {  // 5 rows, for 24 x 24
    static const std::vector<Chiffre> chiffres{
        {'0', {"###", "#.#", "#.#", "#.#", "###"}},
        {'1', {".#", "##", ".#", ".#", ".#"}},
        {'2', {"##.", "..#", ".#.", "#..", "###"}},
        {'3', {"###", "..#", ".##", "..#", "###"}},
        {'4', {"#.#", "#.#", "###", "..#", "..#"}},
        {'8', {"###", "#.#", "###", "#.#", "###"}},
    };
    return chiffres;
}

const std::vector<Chiffre>& grandsChiffres() {  // 6 rows, for 29 x 29
    static const std::vector<Chiffre> chiffres{
        {'0', {".##.", "#..#", "#..#", "#..#", "#..#", ".##."}},
        {'1', {".#", "##", ".#", ".#", ".#", ".#"}},
        {'2', {".##.", "#..#", "...#", "..#.", ".#..", "####"}},
        {'3', {"###.", "...#", ".##.", "...#", "...#", "###."}},
        {'4', {"..#.", ".##.", "#.#.", "####", "..#.", "..#."}},
        {'8', {".##.", "#..#", ".##.", "#..#", "#..#", ".##."}},
    };
    return chiffres;
}

const Chiffre& chiffre(const std::vector<Chiffre>& chiffres, char c) {
    return *std::find_if(chiffres.begin(), chiffres.end(), [c](const Chiffre& g) { return g.chiffre == c; });
}

int largeur(const Chiffre& g) { return static_cast<int>(std::string(g.lignes.front()).size()); }

// The value right-aligned on the layout's (droite, bas), one blank column between digits.
void poserChiffres(QImage& image, const Mesures& m, const std::string& texte) {
    Grille g(image, 1);
    const auto& chiffres = m.grandsChiffres ? grandsChiffres() : petitsChiffres();
    int total = -1;
    for (char c : texte) total += largeur(chiffre(chiffres, c)) + 1;
    int x = m.droiteValeur - total + 1;
    for (char c : texte) {
        const Chiffre& glyphe = chiffre(chiffres, c);
        const int h = static_cast<int>(glyphe.lignes.size());
        for (int r = 0; r < h; ++r) {
            for (int col = 0; col < largeur(glyphe); ++col) {
                if (glyphe.lignes[static_cast<std::size_t>(r)][col] == '#') g.poser(x + col, m.basValeur - h + 1 + r, encre);
            }
        }
        x += largeur(glyphe) + 1;
    }
}

}  // namespace

DessinFaces::DessinFaces(const QByteArray& donneesPolice) : police(donneesPolice, 1000.0) {
    if (police.isValid()) hauteurCapitale = contour(QStringLiteral("H")).boundingRect().height();
}

QPainterPath DessinFaces::contour(const QString& texte) const {
    const QList<quint32> glyphes = police.glyphIndexesForString(texte);
    const QList<QPointF> avances = police.advancesForGlyphIndexes(glyphes);
    QPainterPath chemin;
    QPointF origine;
    for (qsizetype i = 0; i < glyphes.size(); ++i) {
        chemin.addPath(police.pathForGlyph(glyphes[i]).translated(origine));
        origine += avances[i];
    }
    return chemin;
}

void DessinFaces::poserLettre(QImage& image, double echelle, QChar lettre, int capitale, int haut, double centre,
                              int largeurMax, int derniereLigne) const {
    const QPainterPath chemin = contour(QString(lettre));
    const double capitaleAppareil = capitale * echelle;
    const double hautAppareil = haut * echelle;
    const double echelleY = capitaleAppareil / hauteurCapitale;
    const QRectF boite = chemin.boundingRect();
    // The glyph box gets a whole number of device pixels and its left edge a pixel
    // boundary, so the outer stems of H, M, N... fall on whole columns instead of
    // being split over two. The stretch this costs is under half a pixel, except
    // for the wide M and W, which are narrowed.
    const int largeurBoite = static_cast<int>(
        std::min(std::lround(largeurMax * echelle), std::lround(boite.width() * echelleY)));
    const double echelleX = largeurBoite / boite.width();
    const double gauche = std::round((centre + 0.5) * echelle - largeurBoite / 2.0);
    const double place = (derniereLigne + 1) * echelle - hautAppareil - capitaleAppareil;
    const double dy =
        hautAppareil + capitaleAppareil - std::max(0.0, std::ceil(boite.bottom() * echelleY - 0.25) - place);
    QTransform placement;
    placement.translate(gauche - boite.left() * echelleX, dy);
    placement.scale(echelleX, echelleY);
    encrer(image, chemin, placement);
}

// At the layout's own pixels the hand-drawn digits; over more pixels, the
// letters' font reads better than blown-up pixel digits.
void DessinFaces::poserValeur(QImage& image, double echelle, ModeEcran mode, int valeur) const {
    const Mesures m = mesures(mode);
    const std::string texte = std::to_string(valeur);
    if (echelle == 1) {
        poserChiffres(image, m, texte);
        return;
    }
    const QPainterPath chemin = contour(QString::fromStdString(texte));
    const double hauteur = (m.grandsChiffres ? 6 : 5) * echelle;
    const double facteur = hauteur / hauteurCapitale;
    const double droite = std::round((m.droiteValeur + 1) * echelle);
    QTransform placement;
    placement.translate(droite - chemin.boundingRect().right() * facteur, std::round((m.basValeur + 1) * echelle));
    placement.scale(facteur, facteur);
    encrer(image, chemin, placement);
}

QImage DessinFaces::lettre(ModeEcran mode, char l, double echelle) const {
    const Mesures m = mesures(mode);
    const int i = l - 'a';
    QImage image = tuile(m, echelle);
    poserLettre(image, echelle, QChar('A' + i), m.capitale, m.hautLettre, m.centreLettre, m.largeurLettre,
                m.basValeur);
    poserValeur(image, echelle, mode, valeurs[static_cast<std::size_t>(i)]);
    return image;
}

QImage DessinFaces::reference(ModeEcran mode, char l, double echelle) const {
    const Mesures m = mesures(mode);
    QImage image = vide(mode, echelle);
    const int haut = (m.cote - m.capitaleReference) / 2;
    const int derniere = m.cote - 4 - m.largeurCadre;  // one clear row above the frame
    poserLettre(image, echelle, QChar('A' + (l - 'a')), m.capitaleReference, haut, (m.cote - 1) / 2.0,
                m.largeurReference, derniere);
    return image;
}

QImage DessinFaces::vide(ModeEcran mode, double echelle) const {
    const Mesures m = mesures(mode);
    QImage image = tuile(m, echelle);
    poserCadre(image, echelle, m);
    return image;
}

}  // namespace glyphane::ui
