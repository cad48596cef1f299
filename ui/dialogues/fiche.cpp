#include "ui/dialogues/fiche.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>

#include "ui/cadre_agrandi.h"
#include "ui/sons.h"

namespace glyphane::ui {

namespace {

// Dialogs can be stacked (an alarm's message over the quit dialog): the main
// window comes back only when the last of them closes.
constexpr const char* dialoguesOuverts = "glyphaneDialoguesOuverts";

void desactiver(QWidget* principale) {
    principale->setProperty(dialoguesOuverts, principale->property(dialoguesOuverts).toInt() + 1);
    principale->setEnabled(false);
}

void reactiver(QWidget* principale) {
    const int restants = std::max(0, principale->property(dialoguesOuverts).toInt() - 1);
    principale->setProperty(dialoguesOuverts, restants);
    if (restants == 0) principale->setEnabled(true);
}

const QColor grisMoyen(160, 160, 164);

bool estEntree(const QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress) return false;
    const int touche = static_cast<const QKeyEvent*>(evenement)->key();
    return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

}  // namespace

QFont police(int pixels, bool gras) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(gras);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

Fiche::Fiche(const ContexteDialogue& contexteDialogue, QSize client800, QSize client640)
    // Not a child of the main window: disabling it would disable the dialog
    // too, and its end would take the dialog away from under a waiting caller.
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      environnement(contexteDialogue),
      principale(contexteDialogue.principale) {
    Q_ASSERT(QThread::currentThread() == QCoreApplication::instance()->thread());
    setFont(police(selon(11, 9)));
    setFixedSize(mode() == ModeEcran::m640 ? client640 : client800);
    fond = new QFrame(this);
    fond->setObjectName(QStringLiteral("Panel1"));
    fond->setGeometry(rect());
    fond->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fond->setLineWidth(2);
    fond->setAutoFillBackground(true);
    QPalette palette = fond->palette();
    palette.setColor(QPalette::Window, environnement.fond.isValid() ? environnement.fond : grisMoyen);
    fond->setPalette(palette);
}

Fiche::~Fiche() {
    if (ouverte) fermer();
}

void Fiche::ouvrir() {
    if (ouverte) return;
    ouverte = true;
    if (principale) desactiver(principale);
    agrandirCommeLaPrincipale();
    rattacherALaPrincipale();
    centrer();
    show();
    fenetreAffichee(*this).show();
    fenetreAffichee(*this).activateWindow();
}

void Fiche::attendre() {
    repondu = false;
    // The loop also ends when the application quits, and once it has, every
    // new wait ends at once with a non-zero code.
    while (!repondu) {
        if (boucle.exec() != 0) return;
    }
}

void Fiche::fermer() {
    if (!ouverte) return;
    ouverte = false;
    hide();
    if (cadre) {
        cadre->hide();
        cadre.reset();
        hide();
    }
    if (principale) {
        // Where the dialog was must not stay blank while the caller goes on.
        principale->repaint();
        reactiver(principale);
    }
}

void Fiche::executer(Son son) {
    ouvrir();
    if (son == Son::clic) clic();
    if (son == Son::bip) bip();
    attendre();
    fermer();
}

void Fiche::repondre() {
    repondu = true;
    boucle.exit(0);
}

int Fiche::selon(int en800, int en640) const {
    return selonMode(mode(), en800, en640);
}

QRect Fiche::selon(const Place& place) const {
    return selonMode(mode(), place.en800, place.en640);
}

QLabel* Fiche::etiquette(const QString& nom, const QString& texte, const QFont& font, const Place& place,
                         Qt::Alignment alignement) {
    auto* label = new QLabel(texte, fond);
    label->setObjectName(nom);
    label->setFont(font);
    label->setAlignment(alignement);
    label->setGeometry(selon(place));
    return label;
}

QLabel* Fiche::etiquette(const QString& nom, const QString& texte, const QFont& font, QPoint en800, QPoint en640) {
    QLabel* label = etiquette(nom, texte, font, Place{QRect(en800, QSize()), QRect(en640, QSize())});
    label->adjustSize();
    return label;
}

QPushButton* Fiche::bouton(const QString& nom, const QString& texte, const Place& place,
                           std::function<void()> action) {
    auto* bouton = new QPushButton(texte, fond);
    bouton->setObjectName(nom);
    bouton->setGeometry(selon(place));
    // Enter presses the button that has the focus, as Space does.
    bouton->setAutoDefault(true);
    connect(bouton, &QPushButton::clicked, this, [this, action = std::move(action)] {
        clic();
        action();
    });
    return bouton;
}

void Fiche::surEntree(QWidget* widget, std::function<void()> action) {
    actionsEntree.insert(widget, std::move(action));
    widget->installEventFilter(this);
}

void Fiche::clic() const {
    if (environnement.sons) environnement.sons->clic();
}

void Fiche::bip() const {
    if (environnement.sons) environnement.sons->bip();
}

void Fiche::ajusterLargeur(QLabel* label, int gauche, int droite) const {
    const QRect place = label->geometry();
    const int largeurTexte = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    const int largeur = std::min(std::max(place.width(), largeurTexte), droite - gauche);
    int x = place.center().x() + 1 - largeur / 2;
    x = std::clamp(x, gauche, droite - largeur);
    label->setGeometry(x, place.y(), largeur, place.height());
    if (largeurTexte > largeur) {
        label->setText(label->fontMetrics().elidedText(label->text(), Qt::ElideMiddle, largeur - 2));
    }
}

bool Fiche::eventFilter(QObject* objet, QEvent* evenement) {
    const auto action = actionsEntree.constFind(objet);
    if (action != actionsEntree.constEnd() && estEntree(evenement)) {
        (*action)();
        return true;
    }
    return QWidget::eventFilter(objet, evenement);
}

void Fiche::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Escape) {
        annuler();
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void Fiche::closeEvent(QCloseEvent* evenement) {
    // Only a button closes a dialog: the window manager's close counts as the
    // way out when there is one and does nothing otherwise.
    evenement->ignore();
    annuler();
}

void Fiche::annuler() {
    if (boutonAnnuler && boutonAnnuler->isVisible() && boutonAnnuler->isEnabled()) boutonAnnuler->click();
}

// Its lettering and drawings are painted at the enlarged size, like the main
// window's, rather than blown up.
void Fiche::agrandirCommeLaPrincipale() {
    const double echelle = principale ? echelleAffichee(*principale) : 1;
    if (echelle <= 1) return;
    cadre = std::make_unique<CadreAgrandi>(*this);
    cadre->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    cadre->resize((QSizeF(size()) * echelle).toSize());
}

void Fiche::rattacherALaPrincipale() {
    if (!principale) return;
    QWindow* fenetrePrincipale = fenetreAffichee(*principale).windowHandle();
    if (!fenetrePrincipale) return;
    QWidget& affichee = fenetreAffichee(*this);
    affichee.winId();
    affichee.windowHandle()->setTransientParent(fenetrePrincipale);
}

void Fiche::centrer() {
    QRect zone;
    if (principale) {
        zone = fenetreAffichee(*principale).geometry();
    } else if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        zone = ecran->availableGeometry();
    }
    QWidget& affichee = fenetreAffichee(*this);
    if (mode() == ModeEcran::m640 && position640) {
        affichee.move(zone.topLeft() + *position640);
    } else {
        affichee.move(zone.center() - affichee.rect().center());
    }
}

}  // namespace glyphane::ui
