#pragma once
#include <QPixmap>
#include <QWidget>

#include "ui/faces_jetons.h"

// One tile's picture on the window. Its mouse events go to whoever watches it
// (the dragging of tiles); it paints its face and nothing else, the same whether
// it may be picked up or not, drawn for the pixels it covers on the screen.
namespace glyphane::ui {

class VignetteJeton final : public QWidget {
    Q_OBJECT
public:
    VignetteJeton(int jeton, QWidget* parent);

    int jeton() const { return numero; }
    void montrerFace(const FacesJetons& faces, char lettre);
    // The face at the layout's own pixels.
    const QPixmap& face() const;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    int numero;
    const FacesJetons* faces = nullptr;
    char lettre = 0;
};

}  // namespace glyphane::ui
