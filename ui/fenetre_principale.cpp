#include "ui/fenetre_principale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ui/cadre_agrandi.h"
#include "ui/dessin_led.h"
#include "ui/disposition.h"
#include "ui/image_agrandie.h"
#include "ui/memo_mots.h"
#include "ui/plateau_dessine.h"
#include "ui/vignette_jeton.h"

namespace glyphane::ui {

namespace {

constexpr int hauteurPolice800 = 11;
constexpr int hauteurPolice640 = 9;
constexpr int hauteurPoliceJoueur = 13;
constexpr int periodeChrono = 1000;  // ms

// The keyboard help, line by line as it is stored.
const char* const lignesAideClavier[] = {
    " \"Ctrl\"  pour prendre le controle du curseur.",
    " ",
    " \"Shift\"  pour perdre le controle du curseur.",
    "",
    " Déplacement d'une image:",
    " \"Alt\"",
    " -déplacer le curseur sur une image (flèches ou numPad)",
    " -espace ou (numPad 5) pour replacer l'image",
    " \"Esc\" pour déposer l'image",
    "",
    " Sélectionner un controle",
    " \"Shift\"",
    " -Tab ,Tab ,Tab .....",
    " -espace pour coché une sélection active.",
    " -espace ou enter pour appuyer sur un bouton.",
    " -flèches pour positionner le curseur dans",
    "  la liste des mots possible ou page haut & bas.",
    "  \"enter\" pour placer le mot.",
};

QFont policeDeFenetre(ModeEcran mode) {
    QFont police;
    police.setPixelSize(selonMode(mode, hauteurPolice800, hauteurPolice640));
    police.setBold(mode == ModeEcran::m640);
    return police;
}

QFont policeDuJoueur() {
    QFont police(QStringLiteral("Serif"));
    police.setStyleHint(QFont::Serif);
    police.setPixelSize(hauteurPoliceJoueur);
    police.setBold(true);
    return police;
}

void placer(QWidget* controle, const QRect& place) {
    if (place.width() > 0) {
        controle->setGeometry(place);
    } else {
        controle->adjustSize();
        controle->move(place.topLeft());
    }
}

}  // namespace

FenetrePrincipale::FenetrePrincipale(ModeEcran mode) : modeEcran(mode) {
    setObjectName(QStringLiteral("Fiche_Principales"));
    setWindowTitle(QStringLiteral(" Glyphane 7.5"));
    setFont(policeDeFenetre(mode));
    setAutoFillBackground(true);
    dessinPlateau = new PlateauDessine(mode, this);
    creerEtiquettesPlateau();
    creerPanneaux();
    creerControles();
    creerVignettes();
    creerMenu();
    empiler();
}

void FenetrePrincipale::creerEtiquettesPlateau() {
    for (int i = 1; i <= tailleGrille; ++i) {
        auto* ligne = new QLabel(QString(QChar('A' + i - 1)), this);
        ligne->setObjectName(QStringLiteral("Label%1").arg(QChar('A' + i - 1)));
        ligne->setAlignment(Qt::AlignCenter);
        ligne->setGeometry(placeLettreLigne(i, modeEcran));
        auto* colonne = new QLabel(QString::number(i), this);
        colonne->setObjectName(QStringLiteral("Label0%1").arg(i));
        colonne->setAlignment(Qt::AlignCenter);
        colonne->setGeometry(placeNumeroColonne(i, modeEcran));
    }
}

void FenetrePrincipale::creerPanneaux() {
    memo = new MemoMots(QStringLiteral("memo1"), this);
    cache = new MemoMots(QStringLiteral("memoCache"), this);
    progression = new QProgressBar(this);
    progression->setObjectName(QStringLiteral("ProgressBar1"));
    progression->setRange(0, 100);
    progression->setValue(0);
    progression->setTextVisible(false);
    led = new ImageAgrandie(this);
    led->setObjectName(QStringLiteral("led"));
    montrerLed(false);
    tj = new QTimer(this);
    tj->setObjectName(QStringLiteral("TJ"));
    tj->setInterval(periodeChrono);
    connect(tj, &QTimer::timeout, this, &FenetrePrincipale::ticChrono);

    couvercle = new QLabel(this);
    couvercle->setObjectName(QStringLiteral("CacheLettres"));
    couvercle->setAlignment(Qt::AlignCenter);
    couvercle->setFrameStyle(QFrame::Panel | QFrame::Raised);
    couvercle->setAutoFillBackground(true);
    couvercle->setCursor(Qt::PointingHandCursor);
    // Reached with Tab, it uncovers the rack at a key as at a click.
    couvercle->setFocusPolicy(Qt::TabFocus);
    couvercle->installEventFilter(this);

    auto* revoir = new QFrame(this);
    revoir->setObjectName(QStringLiteral("CacheBoutonRevoir"));
    revoir->setAutoFillBackground(true);

    auto* aide = new QFrame(this);
    aide->setObjectName(QStringLiteral("PanelAideClavier"));
    aide->setFrameStyle(QFrame::Panel | QFrame::Raised);
    aide->setAutoFillBackground(true);
    auto* texteAide = new QPlainTextEdit(aide);
    texteAide->setObjectName(QStringLiteral("MemoAideClavier"));
    texteAide->setReadOnly(true);
    // The small layout's bold lettering would break the longest lines in two.
    if (modeEcran == ModeEcran::m640) {
        QFont police = font();
        police.setBold(false);
        police.setStretch(QFont::SemiCondensed);
        texteAide->setFont(police);
    }
    for (const char* ligne : lignesAideClavier) texteAide->appendPlainText(QString::fromUtf8(ligne));
    auto* ok = new QPushButton(QStringLiteral("O&k"), aide);
    ok->setObjectName(QStringLiteral("OkAideClavier"));
    const QRect place = placeDe("PanelAideClavier", modeEcran);
    const int hauteurBouton = selonMode(modeEcran, 25, 20);
    texteAide->setGeometry(4, 4, place.width() - 8, place.height() - hauteurBouton - 14);
    ok->setGeometry((place.width() - 75) / 2, place.height() - hauteurBouton - 6, 75, hauteurBouton);
    aide->hide();
}

void FenetrePrincipale::creerControles() {
    auto* revoir = findChild<QFrame*>(QStringLiteral("CacheBoutonRevoir"));
    for (const Emplacement& e : emplacements()) {
        const QString nom = QString::fromUtf8(e.nom);
        const QString caption = QString::fromUtf8(e.caption);
        QWidget* controle = findChild<QWidget*>(nom);
        if (e.genre == Genre::bouton) {
            auto* bouton = new QPushButton(caption, this);
            bouton->setAutoDefault(false);
            controle = bouton;
        } else if (e.genre == Genre::etiquette) {
            const bool dansRevoir = nom == "SnbLettredisp" || nom == "EnbLettreDispo";
            controle = new QLabel(caption, dansRevoir ? static_cast<QWidget*>(revoir) : this);
        }
        if (controle == nullptr) continue;
        controle->setObjectName(nom);
        if (*e.hint != '\0') controle->setToolTip(QString::fromUtf8(e.hint));
        placer(controle, selonMode(modeEcran, e.en800, e.en640));
    }
    for (const char* nom : {"Ejoueur", "LCJ"}) {
        etiquette(nom)->setFont(policeDuJoueur());
        placer(etiquette(nom), placeDe(nom, modeEcran));
    }
    for (const char* nom : {"LTG1", "LTG2", "LTG3", "LTG4", "LCJ"}) etiquette(nom)->hide();
}

void FenetrePrincipale::creerVignettes() {
    const int cote = selonMode(modeEcran, 29, 24);
    for (int t = 1; t <= nbJetons; ++t) {
        auto* vignette = new VignetteJeton(t, this);
        vignette->setGeometry(-50, 0, cote, cote);
        vignette->hide();
        vignettes[static_cast<std::size_t>(t)] = vignette;
    }
}

void FenetrePrincipale::creerMenu() {
    menuContextuel.setObjectName(QStringLiteral("PopupMenu1"));
    menuContextuel.setToolTipsVisible(true);
    for (const EntreeMenu& e : entreesMenu()) {
        QAction* action = menuContextuel.addAction(QString::fromUtf8(e.caption));
        action->setObjectName(QString::fromUtf8(e.nom));
        if (e.touche != 0) action->setShortcut(QKeySequence(e.touche));
        if (*e.hint != '\0') {
            action->setToolTip(QString::fromUtf8(e.hint));
            action->setStatusTip(QString::fromUtf8(e.hint));
        }
        // The keys work with the menu closed too.
        addAction(action);
    }
    auto* f1 = new QAction(this);
    f1->setObjectName(QStringLiteral("OuvrirMenu"));
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    // At that point of the window, which is the screen's own when the window covers it.
    connect(f1, &QAction::triggered, this, [this] { ouvrirMenu(mapToGlobal(QPoint(200, 200))); });
    addAction(f1);
}

// Tiles lie on the board, the rack's cover over the tiles, the replay panel over
// its buttons, and the keyboard help over everything.
void FenetrePrincipale::empiler() {
    dessinPlateau->lower();
    for (VignetteJeton* v : toutesLesVignettes()) v->raise();
    releverCouvertures();
}

void FenetrePrincipale::releverCouvertures() {
    for (const char* nom : {"CacheLettres", "CacheBoutonRevoir", "PanelAideClavier"}) {
        findChild<QWidget*>(QString::fromUtf8(nom))->raise();
    }
}

// Over the other tiles, never over a cover: a rack hidden from the other
// players stays hidden whatever was dragged before.
void FenetrePrincipale::mettreDessus(VignetteJeton* vignette) {
    vignette->raise();
    releverCouvertures();
}

std::span<VignetteJeton* const> FenetrePrincipale::toutesLesVignettes() const {
    return std::span<VignetteJeton* const>(vignettes).subspan(1);
}

QPushButton* FenetrePrincipale::bouton(const char* nom) const {
    return findChild<QPushButton*>(QString::fromUtf8(nom));
}

QAction* FenetrePrincipale::entree(const char* nom) const {
    return menuContextuel.findChild<QAction*>(QString::fromUtf8(nom));
}

QLabel* FenetrePrincipale::etiquette(const QString& nom) const { return findChild<QLabel*>(nom); }

void FenetrePrincipale::changerCouleurFond(const QColor& couleur) {
    fond = couleur;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(couvercle)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, couleur);
        w->setPalette(palette);
    }
    memo->colorer(couleur);
    cache->colorer(couleur);
}

void FenetrePrincipale::poserFondPlateau(const QImage& image) { dessinPlateau->poserFond(image); }

void FenetrePrincipale::poserFaces(const FacesJetons& facesChargees) { faces = &facesChargees; }

void FenetrePrincipale::ouvrirMenu(const QPoint& global) {
    // A window of its own on the screen: its lettering grows as much as the window.
    QFont lettres = QApplication::font(&menuContextuel);
    if (lettres.pointSizeF() > 0) lettres.setPointSizeF(lettres.pointSizeF() * echelleAffichee(*this));
    menuContextuel.setFont(lettres);
    menuContextuel.popup(global);
}

void FenetrePrincipale::montrerLed(bool allumee) {
    led->montrer(QPixmap(allumee ? QStringLiteral(":/LedOn") : QStringLiteral(":/LedOff")),
                 [allumee](double echelle) { return dessinerLed(allumee, echelle); });
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    if (fermetureAutorisee) {
        evenement->accept();
        return;
    }
    evenement->ignore();
    emit fermetureDemandee();
}

void FenetrePrincipale::contextMenuEvent(QContextMenuEvent* evenement) { ouvrirMenu(evenement->globalPos()); }

namespace {

// The keys that only change how the keyboard plays, or move on, are not typed
// on the cover.
bool toucheTapee(const QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) return false;
    switch (static_cast<const QKeyEvent*>(evenement)->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return true;
    }
}

}  // namespace

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == couvercle && (evenement->type() == QEvent::MouseButtonPress || toucheTapee(evenement))) {
        emit cacheLettresClique();
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

}  // namespace glyphane::ui
