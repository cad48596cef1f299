#pragma once
#include <QImage>
#include <QLabel>

// The alarm's lamp on the window: the program's own picture, lit or unlit,
// drawn again for the pixels it covers when the window is enlarged.
namespace glyphane::ui {

class LedAlarme final : public QLabel {
    Q_OBJECT
public:
    explicit LedAlarme(QWidget* parent);

    void allumer(bool allumee);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    bool allumee = false;
    QImage agrandie;
};

}  // namespace glyphane::ui
