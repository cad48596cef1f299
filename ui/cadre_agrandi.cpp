#include "ui/cadre_agrandi.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <algorithm>

namespace glyphane::ui {

CadreAgrandi::CadreAgrandi(QWidget& fenetre) : contenu(fenetre) {
    auto* scene = new QGraphicsScene(this);
    mandataire = scene->addWidget(&contenu);
    contenu.show();
    setScene(scene);
    setSceneRect(mandataire->boundingRect());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setWindowTitle(contenu.windowTitle());
    // The keyboard goes to the window inside, whatever focus it takes itself,
    // from the moment the frame is activated.
    mandataire->setFocusPolicy(Qt::StrongFocus);
    scene->setFocusItem(mandataire);
    setFocus();
    // Where the frame's shape differs from the window's, the margins take its
    // colour, and follow it when the player changes it.
    setBackgroundBrush(contenu.palette().window());
    contenu.installEventFilter(this);
}

CadreAgrandi::~CadreAgrandi() { mandataire->setWidget(nullptr); }

void CadreAgrandi::resizeEvent(QResizeEvent* evenement) {
    QGraphicsView::resizeEvent(evenement);
    const QSizeF naturelle = mandataire->size();
    const double facteur = std::min(width() / naturelle.width(), height() / naturelle.height());
    setTransform(QTransform::fromScale(facteur, facteur));
    centerOn(mandataire);
}

namespace {

QGraphicsView* vueDe(QWidget& widget) {
    if (const QGraphicsProxyWidget* mandataire = widget.window()->graphicsProxyWidget();
        mandataire != nullptr && mandataire->scene() != nullptr && !mandataire->scene()->views().isEmpty()) {
        return mandataire->scene()->views().front();
    }
    return nullptr;
}

}  // namespace

double echelleAffichee(QWidget& widget) {
    const QGraphicsView* vue = vueDe(widget);
    return vue != nullptr ? vue->transform().m11() : 1;
}

void agrandirCommeLaFenetre(QDialog& dialogue, QWidget& widget) {
    const double echelle = echelleAffichee(widget);
    if (echelle <= 1) return;
    QFont police = dialogue.font();
    if (police.pointSizeF() > 0) {
        police.setPointSizeF(police.pointSizeF() * echelle);
    } else {
        police.setPixelSize(qRound(police.pixelSize() * echelle));
    }
    dialogue.setFont(police);
    // Icons are asked of the theme at the enlarged size, not blown up.
    for (auto* vue : dialogue.findChildren<QAbstractItemView*>()) vue->setIconSize(vue->iconSize() * echelle);
    for (auto* bouton : dialogue.findChildren<QAbstractButton*>()) bouton->setIconSize(bouton->iconSize() * echelle);
    dialogue.resize(dialogue.sizeHint().expandedTo(dialogue.size() * echelle));
}

QWidget& fenetreAffichee(QWidget& widget) {
    QGraphicsView* vue = vueDe(widget);
    return vue != nullptr ? *vue->window() : *widget.window();
}

bool CadreAgrandi::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &contenu && evenement->type() == QEvent::PaletteChange) {
        setBackgroundBrush(contenu.palette().window());
    }
    return QGraphicsView::eventFilter(objet, evenement);
}

void CadreAgrandi::closeEvent(QCloseEvent* evenement) {
    if (!contenu.close()) evenement->ignore();
}

}  // namespace glyphane::ui
