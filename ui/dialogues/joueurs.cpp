// The two first dialogs of a new game: how many players
// (TFiche_Combien_de_Joueur), then their names, which seats the computer plays
// and the style (TFiche_Nom_des_joueurs).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"

namespace glyphane::ui {

namespace {

constexpr int longueurNom = 8;

class FicheCombien : public Fiche {
public:
    explicit FicheCombien(const ContexteDialogue& contexte);

    int nombre = 0;
};

FicheCombien::FicheCombien(const ContexteDialogue& contexte) : Fiche(contexte, QSize(250, 130), QSize(210, 110)) {
    etiquette(QStringLiteral("Label1"), QStringLiteral("Combien de joueurs ?"), police(selon(13, 11), true),
              {QRect(0, 16, 250, 20), QRect(0, 12, 210, 16)}, Qt::AlignCenter);
    QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"), {QRect(88, 88, 75, 25), QRect(74, 72, 63, 21)},
                             [this] {
                                 if (nombre >= 1) repondre();
                             });
    for (int n = 1; n <= nbSiegesMax; ++n) {
        auto* radio = new QRadioButton(QStringLiteral("&%1").arg(n), panneau());
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        radio->setGeometry(selon({QRect(40 + 50 * (n - 1), 50, 40, 20), QRect(30 + 42 * (n - 1), 40, 36, 18)}));
        connect(radio, &QRadioButton::clicked, this, [this, n] {
            clic();
            nombre = n;
        });
        surEntree(radio, [ok] { ok->setFocus(); });
        if (n == 1) radio->setFocus();
    }
}

struct RangeeNom {
    QLineEdit* edit = nullptr;
    QCheckBox* ordi = nullptr;
};

class FicheNoms : public Fiche {
public:
    FicheNoms(const ContexteDialogue& contexte, int nbJoueurs, bool styleOuvert);

    ChoixNoms choix() const;

    bool ok = true;

private:
    void ajouterRangee(int siege);
    void ajouterStyle(bool styleOuvert);
    void ajouterBoutons();
    void enchainerEntrees();

    int nbJoueurs;
    std::array<RangeeNom, nbSiegesMax + 1> rangees{};
    QCheckBox* style = nullptr;
    QPushButton* boutonOk = nullptr;
};

QString nomParDefaut(int siege, bool ordinateur) {
    return (ordinateur ? QStringLiteral("Ordi %1") : QStringLiteral("Joueur %1")).arg(siege);
}

FicheNoms::FicheNoms(const ContexteDialogue& contexte, int nombre, bool styleOuvert)
    : Fiche(contexte, QSize(320, 250), QSize(268, 208)), nbJoueurs(std::clamp(nombre, 1, nbSiegesMax)) {
    etiquette(QStringLiteral("Label1"), QStringLiteral("Entrez le nom des joueurs..."), police(selon(13, 11), true),
              {QRect(0, 12, 320, 20), QRect(0, 10, 268, 16)}, Qt::AlignCenter);
    for (int siege = 1; siege <= nbSiegesMax; ++siege) ajouterRangee(siege);
    ajouterStyle(styleOuvert);
    ajouterBoutons();
    enchainerEntrees();
    rangees[1].edit->setFocus();
}

void FicheNoms::ajouterRangee(int siege) {
    const int y800 = 44 + 32 * (siege - 1);
    const int y640 = 36 + 26 * (siege - 1);
    const bool visible = siege <= nbJoueurs;
    QLabel* label = etiquette(QStringLiteral("LabelJoueur%1").arg(siege), QStringLiteral("Joueur #%1").arg(siege),
                              font(), {QRect(20, y800, 76, 22), QRect(14, y640, 64, 19)});
    label->setVisible(visible);

    RangeeNom& rangee = rangees[siege];
    rangee.edit = new QLineEdit(panneau());
    rangee.edit->setObjectName(QStringLiteral("Edit%1").arg(siege));
    rangee.edit->setGeometry(selon({QRect(100, y800, 96, 22), QRect(80, y640, 80, 19)}));
    rangee.edit->setMaxLength(longueurNom);
    rangee.edit->setPlaceholderText(nomParDefaut(siege, false));
    rangee.edit->setVisible(visible);

    rangee.ordi = new QCheckBox(QStringLiteral("Ordi &%1").arg(siege), panneau());
    rangee.ordi->setObjectName(QStringLiteral("CheckBox%1").arg(siege));
    rangee.ordi->setGeometry(selon({QRect(212, y800, 90, 22), QRect(172, y640, 84, 19)}));
    rangee.ordi->setVisible(visible);
    connect(rangee.ordi, &QCheckBox::clicked, this, [this, siege, edit = rangee.edit](bool coche) {
        clic();
        edit->setText(nomParDefaut(siege, coche));
    });
}

void FicheNoms::ajouterStyle(bool styleOuvert) {
    style = new QCheckBox(panneau());
    style->setObjectName(QStringLiteral("CheckBoxStyle"));
    style->setGeometry(selon({QRect(20, 176, 160, 20), QRect(14, 144, 150, 18)}));
    const auto legender = [this] {
        style->setText(style->isChecked() ? QStringLiteral("&style fermer") : QStringLiteral("&style ouvert"));
    };
    style->setChecked(!styleOuvert);
    legender();
    connect(style, &QCheckBox::clicked, this, [this, legender] {
        clic();
        legender();
    });
}

void FicheNoms::ajouterBoutons() {
    boutonOk = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"), {QRect(66, 210, 75, 25), QRect(52, 176, 63, 21)},
                      [this] {
                          ok = true;
                          repondre();
                      });
    annulerPar(bouton(QStringLiteral("Retour"), QStringLiteral("&retour"),
                      {QRect(180, 210, 75, 25), QRect(152, 176, 63, 21)}, [this] {
                          ok = false;
                          repondre();
                      }));
}

// Enter walks down the form: a name, its computer box, the next name, and
// after the last seat the "&ok" button.
void FicheNoms::enchainerEntrees() {
    for (int siege = 1; siege <= nbJoueurs; ++siege) {
        const RangeeNom& rangee = rangees[siege];
        surEntree(rangee.edit, [ordi = rangee.ordi] { ordi->setFocus(); });
        QWidget* suivant =
            siege < nbJoueurs ? static_cast<QWidget*>(rangees[siege + 1].edit) : boutonOk;
        surEntree(rangee.ordi, [suivant] { suivant->setFocus(); });
    }
}

ChoixNoms FicheNoms::choix() const {
    ChoixNoms choix;
    choix.ok = ok;
    choix.styleOuvert = !style->isChecked();
    for (int siege = 1; siege <= nbJoueurs; ++siege) {
        const bool ordinateur = rangees[siege].ordi->isChecked();
        const QString nom = rangees[siege].edit->text().trimmed();
        choix.ordinateur[siege] = ordinateur;
        choix.noms[siege] = (ordinateur || nom.isEmpty() ? nomParDefaut(siege, ordinateur) : nom).toStdString();
    }
    return choix;
}

}  // namespace

// A wait cut short by the application's end must let the game's setup run out:
// it gets a player count and the names as they stand, never a request to ask
// again.
int DemanderNombreJoueursDialogue(const ContexteDialogue& contexte) {
    FicheCombien fiche(contexte);
    fiche.executer();
    return fiche.nombre >= 1 ? fiche.nombre : 1;
}

ChoixNoms DemanderNomsDialogue(const ContexteDialogue& contexte, int nbJoueurs, bool styleOuvert) {
    FicheNoms fiche(contexte, nbJoueurs, styleOuvert);
    fiche.executer();
    return fiche.choix();
}

}  // namespace glyphane::ui
