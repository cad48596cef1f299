#include "ui/sons.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

namespace glyphane::ui {

Sons::Sons(QObject* parent)
    : QObject(parent), effetClic(new QSoundEffect(this)), effetAlarme(new QSoundEffect(this)) {
    // Loaded once: the first button pressed must not wait for the file.
    effetClic->setSource(QUrl(QStringLiteral("qrc:/CLICK")));
    effetAlarme->setSource(QUrl(QStringLiteral("qrc:/ALARM")));
}

Sons::~Sons() = default;

void Sons::clic() {
    if (!muet) effetClic->play();
}

void Sons::alarme() {
    if (!muet) effetAlarme->play();
}

void Sons::bip() {
    if (!muet) QApplication::beep();
}

void Sons::rendreMuet(bool estMuet) {
    muet = estMuet;
}

}  // namespace glyphane::ui
