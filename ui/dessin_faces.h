#pragma once
#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>

#include "ui/mode_ecran.h"

// The tile faces' artwork, drawn for any number of device pixels per layout
// pixel. The program's own 16-colour pictures are these drawings at the
// layout's scale; an enlarged window draws them again for the pixels it covers,
// so that the letters stay sharp instead of being blown up.
namespace glyphane::ui {

class DessinFaces {
public:
    // The letters' font, from the bytes of its file: no font matching can swap
    // in a lighter face of the same family.
    explicit DessinFaces(const QByteArray& police);

    bool valide() const { return police.isValid() && hauteurCapitale > 0; }

    // Pictures in the faces' 16 colours (an indexed image whose colour table is
    // the palette), the layout's face size times `echelle` on each side;
    // `lettre` 'a'..'z'.
    QImage lettre(ModeEcran mode, char lettre, double echelle) const;
    QImage reference(ModeEcran mode, char lettre, double echelle) const;
    QImage vide(ModeEcran mode, double echelle) const;

private:
    QPainterPath contour(const QString& texte) const;
    // The capital `lettre` with its cap height on layout rows haut .. haut + capitale - 1,
    // centred on the column coordinate `centre`, at most `largeurMax` wide. A letter
    // reaching below row `derniereLigne` (the hook of J, the tail of Q) is raised
    // just enough to stay above it.
    void poserLettre(QImage& image, double echelle, QChar lettre, int capitale, int haut, double centre,
                     int largeurMax, int derniereLigne) const;
    void poserValeur(QImage& image, double echelle, ModeEcran mode, int valeur) const;

    QRawFont police;
    double hauteurCapitale = 0;
};

}  // namespace glyphane::ui
