// The quit dialog (TFiche_quitter), the restart dialog (TFiche_urecommencer),
// the question that takes up an interrupted game, and the about box
// (TFiche_a_propos_de).
#include <QLabel>
#include <QPushButton>

#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"
#include "ui/image_agrandie.h"

namespace glyphane::ui {

namespace {

struct Question {
    QString texte;
    QSize client800;
    QSize client640;
    QPoint position640;
    Place label;
    Place oui;
    Place non;
};

const Question quitter{
    QStringLiteral("Êtes-vous sûr de vouloir quitter ?"),
    QSize(271, 134),
    QSize(232, 125),
    QPoint(140, 118),
    {QRect(8, 32, 255, 20), QRect(20, 24, 192, 16)},
    {QRect(48, 84, 75, 25), QRect(32, 72, 63, 21)},
    {QRect(148, 84, 75, 25), QRect(128, 72, 63, 21)},
};

const Question recommencer{
    QStringLiteral("Êtes-vous sûr de vouloir recommencer ?"),
    QSize(304, 135),
    QSize(255, 111),
    QPoint(120, 126),
    {QRect(8, 32, 288, 20), QRect(12, 16, 231, 16)},
    {QRect(62, 84, 75, 25), QRect(38, 60, 63, 21)},
    {QRect(167, 84, 75, 25), QRect(144, 60, 61, 21)},
};

// Asked as the quit question is, in a box of the same size.
const Question reprendre = [] {
    Question question = quitter;
    question.texte = QStringLiteral("Reprendre la partie interrompue ?");
    return question;
}();

class FicheConfirmation : public Fiche {
public:
    FicheConfirmation(const ContexteDialogue& contexte, const Question& question)
        : Fiche(contexte, question.client800, question.client640) {
        placerEn640(question.position640);
        QLabel* label = etiquette(QStringLiteral("Label1"), question.texte, police(selon(13, 11), true),
                                  question.label, Qt::AlignCenter);
        ajusterLargeur(label, 4, width() - 4);
        QPushButton* boutonOui = bouton(QStringLiteral("Oui"), QStringLiteral("&oui"), question.oui, [this] {
            oui = true;
            repondre();
        });
        annulerPar(bouton(QStringLiteral("Non"), QStringLiteral("&non"), question.non, [this] {
            oui = false;
            repondre();
        }));
        boutonOui->setFocus();
    }

    bool oui = false;
};

bool confirmer(const ContexteDialogue& contexte, const Question& question, bool sansReponse) {
    FicheConfirmation fiche(contexte, question);
    fiche.oui = sansReponse;
    fiche.executer(Fiche::Son::clic);
    return fiche.oui;
}

// The program's icon, drawn for the pixels it covers; the "G" tile's face
// when the window has none.
void montrerIconeDuProgramme(ImageAgrandie& image, const ContexteDialogue& contexte) {
    const QIcon icone = contexte.principale ? contexte.principale->windowIcon() : QIcon();
    if (icone.isNull()) {
        image.setPixmap(QPixmap(QStringLiteral(":/GG")));
        return;
    }
    image.montrer(icone.pixmap(32, 32), [icone](double echelle) { return icone.pixmap(QSize(32, 32), echelle).toImage(); });
}

class FicheAPropos : public Fiche {
public:
    explicit FicheAPropos(const ContexteDialogue& contexte) : Fiche(contexte, QSize(290, 170), QSize(240, 140)) {
        auto* icone = new ImageAgrandie(panneau());
        icone->setObjectName(QStringLiteral("Image1"));
        icone->setGeometry(selon({QRect(24, 24, 32, 32), QRect(16, 16, 32, 32)}));
        icone->setAlignment(Qt::AlignCenter);
        montrerIconeDuProgramme(*icone, contexte);
        etiquette(QStringLiteral("Label1"), QStringLiteral("Glyphane"), police(selon(20, 16), true), QPoint(72, 20),
                  QPoint(60, 14));
        etiquette(QStringLiteral("Label2"), QStringLiteral("Version 7.5"), police(selon(13, 11)), QPoint(72, 52),
                  QPoint(60, 40));
        etiquette(QStringLiteral("Label3"), QStringLiteral("12 avril 2004"), font(), QPoint(72, 72), QPoint(60, 58));
        QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"),
                                 {QRect(107, 126, 75, 25), QRect(88, 104, 63, 21)}, [this] { repondre(); });
        annulerPar(ok);
        ok->setFocus();
    }
};

}  // namespace

// A wait cut short by the application's end counts as "&oui" for quitting (the
// clean-up then runs) and as "&non" for restarting.
bool ConfirmerQuitter(const ContexteDialogue& contexte) {
    return confirmer(contexte, quitter, true);
}

bool ConfirmerRecommencer(const ContexteDialogue& contexte) {
    return confirmer(contexte, recommencer, false);
}

// A start cut short leaves the file for the next one.
bool ConfirmerReprise(const ContexteDialogue& contexte) {
    return confirmer(contexte, reprendre, false);
}

void AProposDe(const ContexteDialogue& contexte) {
    FicheAPropos fiche(contexte);
    fiche.executer();
}

}  // namespace glyphane::ui
