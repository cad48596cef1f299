// The draw for the playing order (TFiche_tirage): the question, then each seat
// draws a letter, then the ranks until "&commencer".
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/dessin_faces.h"
#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"
#include "ui/faces_jetons.h"
#include "ui/image_agrandie.h"

namespace glyphane::ui {

namespace {

constexpr int attenteCommencer = 1500;  // ms, when no one is there to press

using ParSiege = std::array<int, nbSiegesMax + 1>;

// The tile face of letter 1..26, or the empty face for any other value.
QString nomFace(ModeEcran mode, int lettre) {
    if (lettre < 1 || lettre > nbLettres) return ressourceFaceVide(mode);
    return ressourceDeFace(mode, static_cast<char>('a' + lettre - 1), false);
}

// A name with "&" in it would underline the letter after it.
QString legendeDuSiege(const QString& nom) {
    return QStringLiteral("&") + QString(nom).replace(u'&', QStringLiteral("&&"));
}

struct RangeeTirage {
    QLabel* nom = nullptr;
    ImageAgrandie* lettre = nullptr;
    QLabel* rang = nullptr;
    QPushButton* bouton = nullptr;
};

class FicheTirage : public Fiche {
public:
    explicit FicheTirage(const ContexteDialogue& contexte);

    bool demander();
    void attendreSiege(int siege, const QString& nom, bool ordinateur);
    void montrerLettre(int siege, int lettre);
    void terminer(const ParSiege& lettreDuSiege, const ParSiege& rang, bool tousOrdinateurs);

private:
    void ajouterQuestion();
    void ajouterTirage();
    void ajouterRangee(int siege);
    void passerAuTirage();
    void poserLettre(ImageAgrandie* image, int lettre) const;

    std::array<QLabel*, 3> question{};
    QPushButton* oui = nullptr;
    QPushButton* non = nullptr;
    QLabel* appuyerSur = nullptr;
    QLabel* lorsquePrets = nullptr;
    ImageAgrandie* zoneTirage = nullptr;
    std::array<RangeeTirage, nbSiegesMax + 1> rangees{};
    ParSiege derniereLettre{};
    bool tirer = false;
};

FicheTirage::FicheTirage(const ContexteDialogue& contexte) : Fiche(contexte, QSize(380, 230), QSize(310, 190)) {
    setObjectName(QStringLiteral("TFiche_tirage"));
    ajouterQuestion();
    ajouterTirage();
    for (int siege = 1; siege <= nbSiegesMax; ++siege) ajouterRangee(siege);
}

void FicheTirage::ajouterQuestion() {
    const QFont gras = police(selon(13, 11), true);
    question[0] = etiquette(QStringLiteral("Label1"), QStringLiteral("Si vous voulez faire un tirage au sort"), gras,
                            {QRect(0, 30, 380, 20), QRect(0, 22, 310, 16)}, Qt::AlignCenter);
    question[1] = etiquette(QStringLiteral("Label2"), QStringLiteral("pour déterminer l'ordre des joueurs :"), gras,
                            {QRect(0, 52, 380, 20), QRect(0, 40, 310, 16)}, Qt::AlignCenter);
    question[2] = etiquette(QStringLiteral("Label3"), QStringLiteral("Appuyer sur ' oui ' lorsque vous serez prêts ..."),
                            police(selon(13, 11)), {QRect(0, 96, 380, 20), QRect(0, 76, 310, 16)}, Qt::AlignCenter);
    oui = bouton(QStringLiteral("Oui"), QStringLiteral("&oui"), {QRect(90, 160, 75, 25), QRect(70, 130, 63, 21)},
                 [this] {
                     tirer = true;
                     repondre();
                 });
    non = bouton(QStringLiteral("Non"), QStringLiteral("&non"), {QRect(215, 160, 75, 25), QRect(177, 130, 63, 21)},
                 [this] {
                     tirer = false;
                     repondre();
                 });
    annulerPar(non);
    oui->setFocus();
}

void FicheTirage::ajouterTirage() {
    appuyerSur = etiquette(QStringLiteral("Label4"), QStringLiteral("Appuyer sur"), font(),
                           {QRect(200, 20, 170, 18), QRect(160, 16, 150, 16)}, Qt::AlignCenter);
    lorsquePrets = etiquette(QStringLiteral("Label5"), QStringLiteral("Lorsque vous serez prêts ..."), font(),
                             {QRect(200, 74, 170, 18), QRect(160, 60, 150, 16)}, Qt::AlignCenter);
    zoneTirage = new ImageAgrandie(panneau());
    zoneTirage->setObjectName(QStringLiteral("Tirage"));
    zoneTirage->setGeometry(selon({QRect(256, 108, 58, 58), QRect(211, 88, 48, 48)}));
    zoneTirage->setScaledContents(true);
    poserLettre(zoneTirage, 0);
    for (QWidget* widget : {static_cast<QWidget*>(appuyerSur), static_cast<QWidget*>(lorsquePrets),
                            static_cast<QWidget*>(zoneTirage)}) {
        widget->hide();
    }
}

void FicheTirage::ajouterRangee(int siege) {
    RangeeTirage& rangee = rangees[siege];
    const int y800 = 22 + 44 * (siege - 1);
    const int y640 = 18 + 36 * (siege - 1);
    const QFont gras = police(selon(13, 11), true);
    rangee.nom = etiquette(QStringLiteral("Nom%1").arg(siege), QString(), gras,
                           {QRect(16, y800, 110, 20), QRect(12, y640, 90, 16)});
    rangee.lettre = new ImageAgrandie(panneau());
    rangee.lettre->setObjectName(QStringLiteral("Lettre%1").arg(siege));
    rangee.lettre->setGeometry(selon({QRect(132, y800 - 4, 29, 29), QRect(106, y640 - 4, 24, 24)}));
    rangee.rang = etiquette(QStringLiteral("Rang%1").arg(siege), QString(), police(selon(16, 13), true),
                            {QRect(170, y800, 20, 20), QRect(138, y640, 16, 16)}, Qt::AlignCenter);
    rangee.rang->setStyleSheet(QStringLiteral("color: navy"));
    // Disabled at once: a seat draws only once, however often it is pressed.
    rangee.bouton = bouton(QStringLiteral("Siege%1").arg(siege), QString(),
                           {QRect(220, 42, 130, 25), QRect(175, 34, 120, 21)}, [this, siege] {
                               rangees[siege].bouton->setEnabled(false);
                               repondre();
                           });
    for (QWidget* widget : {static_cast<QWidget*>(rangee.nom), static_cast<QWidget*>(rangee.lettre),
                            static_cast<QWidget*>(rangee.rang), static_cast<QWidget*>(rangee.bouton)}) {
        widget->hide();
    }
}

void FicheTirage::poserLettre(ImageAgrandie* image, int lettre) const {
    const ModeEcran m = mode();
    image->montrer(QPixmap(QStringLiteral(":/") + nomFace(m, lettre)), [m, lettre](double echelle) {
        const DessinFaces dessin(policeDesFaces());
        if (lettre < 1 || lettre > nbLettres) return dessin.vide(m, echelle);
        return dessin.lettre(m, static_cast<char>('a' + lettre - 1), echelle);
    });
}

bool FicheTirage::demander() {
    ouvrir();
    tirer = false;
    attendre();
    if (tirer) {
        passerAuTirage();
    } else {
        fermer();
    }
    return tirer;
}

void FicheTirage::passerAuTirage() {
    for (QLabel* label : question) label->hide();
    oui->hide();
    non->hide();
    non->setText(QStringLiteral("Non"));
    annulerPar(nullptr);
    appuyerSur->show();
    lorsquePrets->show();
    zoneTirage->show();
}

void FicheTirage::attendreSiege(int siege, const QString& nom, bool ordinateur) {
    if (siege < 1 || siege > nbSiegesMax) return;
    const RangeeTirage& precedente = rangees[siege - 1];
    if (precedente.bouton) {
        precedente.bouton->hide();
        poserLettre(precedente.lettre, derniereLettre[siege - 1]);
        precedente.lettre->show();
    }
    poserLettre(zoneTirage, 0);
    const RangeeTirage& rangee = rangees[siege];
    rangee.nom->setText(nom);
    rangee.nom->show();
    rangee.bouton->setText(legendeDuSiege(nom));
    rangee.bouton->setEnabled(true);
    rangee.bouton->show();
    rangee.bouton->setFocus();
    if (ordinateur) {
        QTimer::singleShot(0, rangee.bouton, [b = rangee.bouton] {
            if (b->isVisible() && b->isEnabled()) b->click();
        });
    }
    attendre();
}

// The game paces the letters and may keep the window thread busy between two
// of them, so each one is painted at once.
void FicheTirage::montrerLettre(int siege, int lettre) {
    if (siege < 1 || siege > nbSiegesMax) return;
    derniereLettre[siege] = lettre;
    poserLettre(zoneTirage, lettre);
    zoneTirage->repaint();
}

void FicheTirage::terminer(const ParSiege& lettreDuSiege, const ParSiege& rang, bool tousOrdinateurs) {
    for (int siege = 1; siege <= nbSiegesMax; ++siege) {
        const RangeeTirage& rangee = rangees[siege];
        rangee.bouton->hide();
        if (rangee.nom->isHidden()) continue;
        poserLettre(rangee.lettre, lettreDuSiege[siege]);
        rangee.lettre->show();
        rangee.rang->setText(QString::number(rang[siege]));
        rangee.rang->show();
    }
    appuyerSur->hide();
    lorsquePrets->hide();
    poserLettre(zoneTirage, 0);
    non->setText(QStringLiteral("&commencer"));
    non->setGeometry(selon({QRect(235, 190, 100, 25), QRect(185, 156, 100, 21)}));
    non->show();
    non->setFocus();
    annulerPar(non);
    if (tousOrdinateurs) {
        QTimer::singleShot(attenteCommencer, non, [this] {
            if (non->isVisible()) non->click();
        });
    }
    attendre();
    fermer();
}

}  // namespace

struct DialogueTirage::Etat {
    explicit Etat(const ContexteDialogue& contexte) : fiche(contexte) {}
    FicheTirage fiche;
};

DialogueTirage::DialogueTirage(const ContexteDialogue& contexte) : etat(std::make_unique<Etat>(contexte)) {}

DialogueTirage::~DialogueTirage() = default;

bool DialogueTirage::demander() {
    return etat->fiche.demander();
}

void DialogueTirage::attendreSiege(int siege, const QString& nom, bool ordinateur) {
    etat->fiche.attendreSiege(siege, nom, ordinateur);
}

void DialogueTirage::montrerLettre(int siege, int lettre) {
    etat->fiche.montrerLettre(siege, lettre);
}

void DialogueTirage::terminer(const ParSiege& lettreDuSiege, const ParSiege& rang, bool tousOrdinateurs) {
    etat->fiche.terminer(lettreDuSiege, rang, tousOrdinateurs);
}

}  // namespace glyphane::ui
