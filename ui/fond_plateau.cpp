#include "ui/fond_plateau.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <system_error>

#include "engine/jetons.h"

namespace glyphane::ui {

namespace {

// A smaller file cannot be a whole picture: an earlier save went wrong.
constexpr std::uintmax_t tailleFichierMin = 200;

const QColor gris(128, 128, 128);
const QColor argent(192, 192, 192);
const QColor rouge(230, 30, 30);
const QColor rose(253, 197, 197);
const QColor cyanPale(160, 255, 255);
const QColor bleu(70, 110, 255);

struct Mesures {
    int taille;        // the picture is square
    int premiereCase;  // where square 1's inside starts, on either axis
    int pas;           // from one square to the next
    int interieur;     // the inside of a square, between the grid lines
    int bande;         // the middle line of the grey band, from the edge
};

Mesures mesures(ModeEcran mode) {
    return selonMode(mode, Mesures{475, 6, 31, 28, 4}, Mesures{386, 7, 25, 22, 5});
}

// A rectangle's outline, `epaisseur` pixels wide inwards from `r`.
void tracerContour(QPainter& p, const QRect& r, int epaisseur, const QColor& couleur) {
    p.fillRect(r.left(), r.top(), r.width(), epaisseur, couleur);
    p.fillRect(r.left(), r.bottom() - epaisseur + 1, r.width(), epaisseur, couleur);
    p.fillRect(r.left(), r.top(), epaisseur, r.height(), couleur);
    p.fillRect(r.right() - epaisseur + 1, r.top(), epaisseur, r.height(), couleur);
}

QRect carre(int debut, int fin) { return QRect(QPoint(debut, debut), QPoint(fin, fin)); }

void dessinerCadre(QPainter& p, ModeEcran mode, const Mesures& m) {
    const int dernier = m.taille - 1;
    tracerContour(p, carre(0, dernier), 1, Qt::black);
    if (mode == ModeEcran::m640) {
        tracerContour(p, carre(3, dernier - 1), 2, Qt::black);
    } else {
        tracerContour(p, carre(2, dernier - 2), 1, Qt::black);
    }
    const int fin = dernier - m.bande + (mode == ModeEcran::m640 ? 1 : 0);
    p.fillRect(carre(m.bande - 1, fin + 1), gris);
    p.fillRect(carre(m.bande + 2, fin - 2), argent);
}

void dessinerGrille(QPainter& p, const Mesures& m) {
    const int debut = m.premiereCase;
    const int fin = m.premiereCase + m.pas * (tailleGrille - 1) + m.interieur - 1;
    p.setPen(Qt::NoPen);
    p.setBrush(gris);
    for (int i = 1; i < tailleGrille; ++i) {
        const int milieu = m.premiereCase + m.pas * i - (m.pas - m.interieur + 1) / 2;
        p.drawRect(milieu - 1, debut, 3, fin - debut + 1);
        p.drawRect(debut, milieu - 1, fin - debut + 1, 3);
    }
}

QRect interieurCase(const Mesures& m, int colonne, int ligne) {
    return QRect(m.premiereCase + m.pas * (colonne - 1), m.premiereCase + m.pas * (ligne - 1), m.interieur,
                 m.interieur);
}

// Word premiums carry upright strokes, letter premiums lying ones: two for a
// double, three for a triple.
// An upright or lying stroke from `a` to `b`, both ends drawn. Enlarged, every
// stroke is as thick as the others, a whole number of the screen's pixels,
// rather than one or two of them by where it falls.
void tracerTrait(QPainter& p, QPoint a, QPoint b) {
    const double echelle = p.transform().m11();
    if (echelle == 1) {
        p.drawLine(a, b);
        return;
    }
    const int epaisseur = std::max(1, static_cast<int>(std::lround(echelle)));
    auto ecran = [echelle](double v) { return static_cast<int>(std::lround(v * echelle)); };
    auto travers = [&](int v) { return static_cast<int>(std::lround((v + 0.5) * echelle - epaisseur / 2.0)); };
    const QRect trait = a.x() == b.x()
                            ? QRect(travers(a.x()), ecran(a.y()), epaisseur, ecran(b.y() + 1) - ecran(a.y()))
                            : QRect(ecran(a.x()), travers(a.y()), ecran(b.x() + 1) - ecran(a.x()), epaisseur);
    p.save();
    p.resetTransform();
    p.fillRect(trait, Qt::black);
    p.restore();
}

void dessinerTraits(QPainter& p, const QRect& c, int nombre, bool debout) {
    p.setPen(QPen(Qt::black, 1));
    const int longueur = c.width() / 3;
    const int ecart = c.width() / 7;
    const QPoint centre = c.center();
    for (int i = 0; i < nombre; ++i) {
        const int decalage = (2 * i - (nombre - 1)) * ecart / 2;
        if (debout) {
            tracerTrait(p, QPoint(centre.x() + decalage, centre.y() - longueur / 2),
                        QPoint(centre.x() + decalage, centre.y() + longueur / 2));
        } else {
            tracerTrait(p, QPoint(centre.x() - longueur / 2, centre.y() + decalage),
                        QPoint(centre.x() + longueur / 2, centre.y() + decalage));
        }
    }
}

void dessinerCentre(QPainter& p, const QRect& c) {
    const QPoint o = c.center();
    const int r = c.width() / 4;
    const QPolygon losange({QPoint(o.x(), o.y() - r), QPoint(o.x() + r, o.y()), QPoint(o.x(), o.y() + r),
                            QPoint(o.x() - r, o.y())});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Enlarged, its slanted edges are smoothed; at the layout's pixels they stay plain.
    p.setRenderHint(QPainter::Antialiasing, p.transform().isScaling());
    p.drawPolygon(losange);
}

void dessinerPrimes(QPainter& p, const Mesures& m) {
    constexpr int centre = 8;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const QRect c = interieurCase(m, x, y);
            const int mot = MultMot[x][y];
            const int lettre = MultLettre[x][y];
            if (mot == 1 && lettre == 1) continue;
            const QColor couleur = mot == 3 ? rouge : mot == 2 ? rose : lettre == 2 ? cyanPale : bleu;
            p.fillRect(c, couleur);
            if (x == centre && y == centre) {
                dessinerCentre(p, c);
            } else {
                dessinerTraits(p, c, mot > 1 ? mot : lettre, mot > 1);
            }
        }
    }
}

}  // namespace

QImage dessinerFondPlateau(ModeEcran mode, double echelle) {
    const Mesures m = mesures(mode);
    const int cote = static_cast<int>(std::lround(m.taille * echelle));
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    if (echelle != 1) p.scale(echelle, echelle);
    dessinerCadre(p, mode, m);
    dessinerGrille(p, m);
    dessinerPrimes(p, m);
    p.end();
    return image;
}

std::filesystem::path fichierFond(const std::filesystem::path& dossierProgramme, ModeEcran mode) {
    return dossierProgramme / selonMode<const char*>(mode, "ImageDeFond.bmp", "ImageDeFond640.bmp");
}

QImage chargerFondPlateau(const std::filesystem::path& dossierProgramme, ModeEcran mode, bool redessiner) {
    const std::filesystem::path fichier = fichierFond(dossierProgramme, mode);
    std::error_code erreur;
    const std::uintmax_t taille = std::filesystem::file_size(fichier, erreur);
    if (!redessiner && !erreur && taille >= tailleFichierMin) {
        const QImage lue(QString::fromStdString(fichier.string()), "BMP");
        if (!lue.isNull()) return lue;
    }
    const QImage dessinee = dessinerFondPlateau(mode);
    // Writing to a FIFO of that name would wait for a reader.
    const QFileInfo existant(QString::fromStdString(fichier.string()));
    if (!existant.exists() || existant.isFile()) dessinee.save(existant.filePath(), "BMP");
    return dessinee;
}

}  // namespace glyphane::ui
