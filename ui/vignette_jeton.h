#pragma once
#include <QPixmap>
#include <QWidget>

// One tile's picture on the window. Its mouse events go to whoever watches it
// (the dragging of tiles); it paints its face and nothing else, the same whether
// it may be picked up or not.
namespace glyphane::ui {

class VignetteJeton final : public QWidget {
    Q_OBJECT
public:
    VignetteJeton(int jeton, QWidget* parent);

    int jeton() const { return numero; }
    void montrerFace(const QPixmap& face);
    const QPixmap& face() const { return faceMontree; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    int numero;
    QPixmap faceMontree;
};

}  // namespace glyphane::ui
