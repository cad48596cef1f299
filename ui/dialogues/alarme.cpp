#include "ui/dialogues/alarme.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

#include "ui/horloge_alarme.h"

namespace glyphane::ui {

namespace {

constexpr QSize tailleAlarme(291, 226);
constexpr QSize tailleMessage(260, 176);
// Four lines of message: past three every key but Backspace is refused.
constexpr int lignesMessageMax = 4;

QIcon led(bool allumee) { return QIcon(QPixmap(allumee ? QStringLiteral(":/LedOn") : QStringLiteral(":/LedOff"))); }

QSpinBox* champ(QWidget* parent, const QString& nom, int maximum, const QRect& place) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(nom);
    spin->setRange(0, maximum);
    spin->setGeometry(place);
    return spin;
}

// The same place in both layouts: the window fits either screen.
Place partout(const QRect& place) { return {place, place}; }

}  // namespace

FicheAlarme::FicheAlarme(const ContexteDialogue& contexte, HorlogeAlarme& horlogeAlarme)
    : Fiche(contexte, tailleAlarme, tailleAlarme), horloge(horlogeAlarme) {
    setObjectName(QStringLiteral("AlarmFrm"));
    etiquette(QStringLiteral("Label1"), QStringLiteral("Alarme"), police(13, true), partout({0, 8, 291, 20}),
              Qt::AlignCenter);
    creerHeure();
    creerBoutons();
    creerMessage();
    annulerPar(boutonOk);
    heures->setFocus();
}

void FicheAlarme::creerHeure() {
    etiquette(QStringLiteral("Label2"), QStringLiteral("Heures:"), font(), QPoint(20, 42), QPoint(20, 42));
    etiquette(QStringLiteral("Label3"), QStringLiteral("minutes:"), font(), QPoint(150, 42), QPoint(150, 42));
    heures = champ(panneau(), QStringLiteral("Heures"), 24, {74, 38, 52, 22});
    minutes = champ(panneau(), QStringLiteral("Minutes"), 59, {204, 38, 52, 22});
    const Alarme& alarme = horloge.alarme();
    const QTime maintenant = horloge.heure();
    heures->setValue(alarme.enFonction ? alarme.heure : maintenant.hour());
    minutes->setValue(alarme.enFonction ? alarme.minute : maintenant.minute());
}

void FicheAlarme::creerBoutons() {
    boutonEnFonction = new QPushButton(QStringLiteral("&en fonction"), panneau());
    boutonEnFonction->setObjectName(QStringLiteral("EnFonction"));
    boutonEnFonction->setGeometry(20, 72, 118, 26);
    boutonHorsFonction = new QPushButton(QStringLiteral("&hors fonction"), panneau());
    boutonHorsFonction->setObjectName(QStringLiteral("HorsFonction"));
    boutonHorsFonction->setGeometry(153, 72, 118, 26);
    for (QPushButton* b : {boutonEnFonction, boutonHorsFonction}) b->setAutoDefault(true);
    connect(boutonEnFonction, &QPushButton::clicked, this, &FicheAlarme::enFonction);
    connect(boutonHorsFonction, &QPushButton::clicked, this, &FicheAlarme::horsFonction);
    montrerGlyphes();
    sonore = new QCheckBox(QStringLiteral("&sonore"), panneau());
    sonore->setObjectName(QStringLiteral("Sonore"));
    sonore->setGeometry(20, 192, 120, 20);
    sonore->setChecked(horloge.alarme().sonore);
    boutonOk = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"), partout({196, 189, 75, 25}), [this] {
        ok();
        repondre();
    });
}

void FicheAlarme::creerMessage() {
    etiquette(QStringLiteral("Label4"), QStringLiteral("Message:"), font(), QPoint(20, 106), QPoint(20, 106));
    memo = new QTextEdit(panneau());
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setAcceptRichText(false);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setGeometry(20, 122, 251, 62);
    memo->document()->setDocumentMargin(2);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::cyan);
    memo->setPalette(palette);
    memo->setPlainText(QString::fromStdString(horloge.alarme().message));
    messageAccepte = memo->toPlainText();
    // Whatever brings the text past four lines, a paste included, is undone.
    connect(memo, &QTextEdit::textChanged, this, [this] {
        if (lignesDuMessage() > lignesMessageMax) {
            memo->setPlainText(messageAccepte);
            memo->moveCursor(QTextCursor::End);
            return;
        }
        messageAccepte = memo->toPlainText();
        horloge.fixerMessage(messageAccepte.toStdString());
    });
    memo->installEventFilter(this);
    surEntree(memo, [this] { heures->setFocus(); });
    surEntree(heures, [this] { minutes->setFocus(); });
    surEntree(minutes, [this] { boutonOk->setFocus(); });
}

// Lines as the memo shows them, a long one wrapping onto several.
int FicheAlarme::lignesDuMessage() const {
    int lignes = 0;
    for (QTextBlock bloc = memo->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        lignes += std::max(1, bloc.layout()->lineCount());
    }
    return lignes;
}

bool FicheAlarme::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == memo && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
        if (!entree && touche != Qt::Key_Backspace && lignesDuMessage() >= lignesMessageMax) return true;
    }
    return Fiche::eventFilter(objet, evenement);
}

// The lit LED is on the button of the alarm's state.
void FicheAlarme::montrerGlyphes() {
    const bool arme = horloge.alarme().enFonction;
    boutonEnFonction->setIcon(led(arme));
    boutonHorsFonction->setIcon(led(!arme));
}

void FicheAlarme::enFonction() {
    if (horloge.alarme().enFonction) return;
    clic();
    horloge.armer(heures->value(), minutes->value());
    horloge.fixerSonore(sonore->isChecked());
    montrerGlyphes();
}

void FicheAlarme::horsFonction() {
    if (!horloge.alarme().enFonction) return;
    clic();
    horloge.desarmer();
    horloge.fixerSonore(sonore->isChecked());
    montrerGlyphes();
}

void FicheAlarme::ok() {
    horloge.montrerLed();
    horloge.fixerSonore(sonore->isChecked());
}

void FicheAlarme::fermerCommeOk() {
    ok();
    fermer();
    repondre();
}

FicheMessageAlarme::FicheMessageAlarme(const ContexteDialogue& contexte, const Alarme& alarme)
    : Fiche(contexte, tailleMessage, tailleMessage) {
    setObjectName(QStringLiteral("MsgFrm"));
    etiquette(QStringLiteral("Label1"), QString::fromStdString(TitreAlarme(alarme)), police(13, true),
              partout({0, 14, 260, 20}), Qt::AlignCenter);
    QLabel* message = etiquette(QStringLiteral("Label2"),
                                QStringLiteral("Message:\n") + QString::fromStdString(alarme.message), font(),
                                partout({20, 44, 220, 86}), Qt::AlignLeft | Qt::AlignTop);
    message->setWordWrap(true);
    QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"), partout({92, 138, 75, 25}),
                             [this] { repondre(); });
    annulerPar(ok);
    ok->setFocus();
}

}  // namespace glyphane::ui
