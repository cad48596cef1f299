// The letter of a blank (TFiche_Valeur27 and TFiche_Valeur47).
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"

namespace glyphane::ui {

namespace {

class FicheValeur : public Fiche {
public:
    FicheValeur(const ContexteDialogue& contexte, int jeton);

    // 0 until a letter is chosen.
    char lettre = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QListWidget* liste = nullptr;
};

FicheValeur::FicheValeur(const ContexteDialogue& contexte, int jeton)
    : Fiche(contexte, QSize(170, 270), QSize(150, 230)) {
    setObjectName(QStringLiteral("TFiche_Valeur%1").arg(jeton));
    etiquette(QStringLiteral("Label1"), QStringLiteral("Choisissez la valeur "), police(selon(13, 11)),
              {QRect(0, 12, 170, 18), QRect(0, 10, 150, 16)}, Qt::AlignCenter);
    liste = new QListWidget(panneau());
    liste->setObjectName(QStringLiteral("ListeLettres"));
    liste->setGeometry(selon({QRect(45, 40, 80, 180), QRect(40, 32, 70, 150)}));
    for (char c = 'a'; c <= 'z'; ++c) liste->addItem(QString(QChar(c)));
    // The choice is the selected letter, not the list's current row: the list
    // puts its cursor on "a" as soon as it has the focus, which is no choice.
    connect(liste, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> choisies = liste->selectedItems();
        lettre = choisies.isEmpty() ? char{0} : choisies.front()->text().front().toLatin1();
    });
    connect(liste, &QListWidget::itemClicked, this, [this] { clic(); });
    QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"),
                             {QRect(47, 232, 75, 25), QRect(43, 194, 63, 21)}, [this] {
                                 if (lettre != 0) repondre();
                             });
    surEntree(liste, [ok] { ok->setFocus(); });
    liste->setFocus();
}

// A typed letter is the choice; any other character is refused, while the
// keys that move in the list keep doing so.
bool FicheValeur::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == liste && evenement->type() == QEvent::KeyPress) {
        const QString texte = static_cast<QKeyEvent*>(evenement)->text().toLower();
        if (texte.size() == 1 && texte.front() >= u'a' && texte.front() <= u'z') {
            liste->setCurrentRow(texte.front().unicode() - u'a');
            return true;
        }
        if (texte.size() == 1 && texte.front().isPrint()) return true;
    }
    return Fiche::eventFilter(objet, evenement);
}

}  // namespace

char ChoisirLettreDialogue(const ContexteDialogue& contexte, int jeton) {
    FicheValeur fiche(contexte, jeton);
    fiche.executer(Fiche::Son::clic);
    // Without a choice only when the application is ending: any letter will do.
    return fiche.lettre != 0 ? fiche.lettre : 'a';
}

}  // namespace glyphane::ui
