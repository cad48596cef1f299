#include "ui/ecran_demarrage.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace glyphane::ui {

namespace {

constexpr int hauteurLettres = 64;

// The splash font is carried by the program; a serif face stands in if it
// cannot be read.
QFont policeDesLettres() {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/PRESIDENT"));
    const QStringList familles = QFontDatabase::applicationFontFamilies(id);
    QFont police(familles.isEmpty() ? QStringLiteral("Serif") : familles.first());
    police.setStyleHint(QFont::Serif);
    police.setPixelSize(hauteurLettres);
    police.setBold(true);
    return police;
}

QLabel* etiquetteBlanche(const QString& texte, QWidget* parent) {
    auto* etiquette = new QLabel(texte, parent);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    etiquette->setPalette(palette);
    return etiquette;
}

}  // namespace

EcranDemarrage::EcranDemarrage(ModeEcran mode) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(selonMode(mode, QStringLiteral("Fsplash"), QStringLiteral("Fiche_Splash400")));
    resize(selonMode(mode, QSize(790, 530), QSize(636, 446)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    const QFont police = policeDesLettres();
    ecrireLigne(QStringLiteral("Glyphane"), height() / 2 - hauteurLettres - 20, police);
    ecrireLigne(QStringLiteral("Version 7."), height() / 2 + 10, police);

    QLabel* patience = etiquetteBlanche(QStringLiteral("Un instant s.v.p."), this);
    patience->adjustSize();
    patience->move((width() - patience->width()) / 2, 24);

    attente = etiquetteBlanche(QStringLiteral("Création des dictionnaires de recherche ...\nUn instant s.v.p."), this);
    attente->setObjectName(QStringLiteral("PanelAttente"));
    attente->setAlignment(Qt::AlignCenter);
    attente->setFrameStyle(QFrame::Box);
    attente->setGeometry((width() - 320) / 2, height() - 90, 320, 50);
    attente->hide();
}

// One label per letter, all as wide, the line centred.
void EcranDemarrage::ecrireLigne(const QString& texte, int haut, const QFont& police) {
    const int marges = 40;
    const int largeurLettre = std::min(58, (width() - marges) / static_cast<int>(texte.size()));
    const int gauche = (width() - largeurLettre * static_cast<int>(texte.size())) / 2;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        QLabel* lettre = etiquetteBlanche(texte.mid(i, 1), this);
        lettre->setFont(police);
        lettre->setAlignment(Qt::AlignCenter);
        lettre->setGeometry(gauche + largeurLettre * static_cast<int>(i), haut, largeurLettre, hauteurLettres + 16);
    }
}

void EcranDemarrage::montrerMaintenant() {
    if (const QScreen* ecran = screen()) move(ecran->geometry().center() - rect().center());
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void EcranDemarrage::montrerAttente() {
    attente->show();
    attente->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace glyphane::ui
