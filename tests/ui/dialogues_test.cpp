#include <QAbstractItemView>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "engine/messages.h"
#include "ui/cadre_agrandi.h"
#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"
#include "ui/sons.h"

using glyphane::ChoixNoms;
using glyphane::MotsRefuses;
using glyphane::Reponse;
using glyphane::ui::ContexteDialogue;
using glyphane::ui::ModeEcran;
namespace messages = glyphane::messages;
namespace ui = glyphane::ui;

static void chargerRessources() {
    Q_INIT_RESOURCE(ui);
}

namespace {

QWidget* ficheOuverte(const QString& titre = {}) {
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (!fenetre->isVisible() || !qobject_cast<ui::Fiche*>(fenetre)) continue;
        const auto* label = fenetre->findChild<QLabel*>(QStringLiteral("Label1"));
        if (titre.isEmpty() || (label && label->text() == titre)) return fenetre;
    }
    return nullptr;
}

template <class T>
T* enfant(QWidget* fiche, const QString& nom) {
    T* widget = fiche ? fiche->findChild<T*>(nom) : nullptr;
    if (!widget) qFatal("no %s in the dialog", qPrintable(nom));
    return widget;
}

QString texteDe(QWidget* fiche, const QString& nom) {
    return enfant<QLabel>(fiche, nom)->text();
}

// A check box or a radio button is clicked on its box, as a player does.
void cliquer(QWidget* fiche, const QString& nom) {
    auto* bouton = enfant<QAbstractButton>(fiche, nom);
    const bool aUneCase = qobject_cast<QCheckBox*>(bouton) || qobject_cast<QRadioButton*>(bouton);
    QTest::mouseClick(bouton, Qt::LeftButton, {}, aUneCase ? QPoint(6, bouton->height() / 2) : QPoint());
}

// The dialog functions wait for their answer: what a player does is queued
// before the call and runs once the dialog is up.
void pendantDialogue(std::function<void(QWidget*)> actions, const QString& titre = {}) {
    QTimer::singleShot(0, [actions, titre] { actions(ficheOuverte(titre)); });
}

// Once the application has been told to quit, every new wait ends at once
// until a main loop has run again.
void relancerLaBoucle() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

}  // namespace

class TestDialogues : public QObject {
    Q_OBJECT

    QWidget principale;
    ui::Sons sons;
    QTimer gardien;
    bool gardienDeclenche = false;

    ContexteDialogue contexte(ModeEcran mode = ModeEcran::m800) {
        return ContexteDialogue{&principale, mode, QColor(236, 233, 216), &sons};
    }

private slots:
    void initTestCase() {
        chargerRessources();
        sons.rendreMuet(true);
        principale.setGeometry(0, 0, 800, 600);
        principale.show();
        // A dialog left open by a failed check would wait for ever.
        gardien.setSingleShot(true);
        gardien.setInterval(10000);
        connect(&gardien, &QTimer::timeout, this, [this] {
            gardienDeclenche = true;
            QCoreApplication::exit(1);
        });
    }

    void init() {
        gardienDeclenche = false;
        gardien.start();
    }

    void cleanup() {
        gardien.stop();
        if (gardienDeclenche) {
            relancerLaBoucle();
            QFAIL("a dialog was still waiting");
        }
        QVERIFY(principale.isEnabled());
        QVERIFY(!ficheOuverte());
    }

    void messageBoxShowsTheTitleAndSevenLines_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("stored") << QString::fromUtf8(messages::auMoinsUneLettre) << "Erreur : Mouvement illégal"
                                << QStringList{"Vous devez soit :", "", "Placer au moins 1 lettre pour former un",
                                               "nouveau mot en utilisant les lettres", "déjà sur le tableau .", "",
                                               "Faire un échange."};
        QTest::newRow("more than seven") << "1,2,3,4,5,6,7,8,9,;" << "t" << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("no semicolon, no title") << ",un,deux" << "" << QStringList{"", "un", "deux", "", "", "", ""};
    }

    void messageBoxShowsTheTitleAndSevenLines() {
        QFETCH(QString, texte);
        QFETCH(QString, titre);
        QFETCH(QStringList, lignes);
        pendantDialogue([&](QWidget* fiche) {
            QVERIFY(!principale.isEnabled());
            QCOMPARE(texteDe(fiche, "Label1"), titre);
            for (int n = 1; n <= 7; ++n) QCOMPARE(texteDe(fiche, QStringLiteral("ligne%1").arg(n)), lignes[n - 1]);
            cliquer(fiche, "Ok");
        });
        ui::AfficherMessageBoite(contexte(), texte, titre);
    }

    // The longest stored lines are wider than their labels: they must stay
    // whole, inside the box and clear of its picture.
    void messageLinesStayWholeAndClearOfThePicture() {
        for (const ModeEcran mode : {ModeEcran::m800, ModeEcran::m640}) {
            for (const std::string_view texte : {messages::auMoinsUneLettre, messages::jetonsMalPlaces}) {
                pendantDialogue([&](QWidget* fiche) {
                    const QRect image = enfant<QLabel>(fiche, "Image1")->geometry();
                    const auto lignes = messages::decouperMessage(texte);
                    for (int n = 1; n <= 7; ++n) {
                        const auto* ligne = enfant<QLabel>(fiche, QStringLiteral("ligne%1").arg(n));
                        QCOMPARE(ligne->text(), QString::fromStdString(lignes[n - 1]));
                        QVERIFY(fiche->rect().contains(ligne->geometry()));
                        QVERIFY(ligne->fontMetrics().horizontalAdvance(ligne->text()) <= ligne->width());
                        if (!ligne->text().isEmpty()) QVERIFY(!ligne->geometry().intersects(image));
                    }
                    cliquer(fiche, "Ok");
                });
                ui::AfficherMessageBoite(contexte(mode), QString::fromUtf8(texte), "Erreur");
            }
        }
    }

    void boxesTakeTheirPlacesInMode640() {
        pendantDialogue([&](QWidget* fiche) {
            QCOMPARE(fiche->size(), QSize(224, 199));
            QCOMPARE(fiche->pos(), principale.geometry().topLeft() + QPoint(140, 101));
            QCOMPARE(enfant<QPushButton>(fiche, "Ok")->geometry(), QRect(76, 166, 63, 21));
            cliquer(fiche, "Ok");
        });
        ui::AfficherMessageBoite(contexte(ModeEcran::m640), "a,b;", "t");
        pendantDialogue([&](QWidget* fiche) {
            QCOMPARE(fiche->size(), QSize(344, 235));
            QCOMPARE(fiche->pos(), principale.geometry().topLeft() + QPoint(113, 96));
            QCOMPARE(enfant<QPushButton>(fiche, "Ok")->geometry(), QRect(106, 124, 117, 21));
            QCOMPARE(enfant<QCheckBox>(fiche, "CheckBox5")->geometry().topLeft(), QPoint(170, 40));
            cliquer(fiche, "Ok");
        });
        ui::RapportMotsRefusesDialogue(contexte(ModeEcran::m640), MotsRefuses{}, QStringLiteral("/jeu/dico retrait.txt"));
    }

    // The window shown enlarged is no window of its own on the screen: a box
    // stands over the frame that shows it, stays in front of it, and is
    // enlarged as much.
    void boxesStandOverTheEnlargedWindow() {
        QWidget agrandie;
        agrandie.resize(820, 630);
        ui::CadreAgrandi cadre(agrandie);
        cadre.setGeometry(300, 100, 1230, 945);
        cadre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cadre));
        pendantDialogue([&](QWidget* fiche) {
            const QWidget& affichee = ui::fenetreAffichee(*fiche);
            QVERIFY((affichee.geometry().center() - cadre.geometry().center()).manhattanLength() <= 2);
            QCOMPARE(affichee.size(), (QSizeF(fiche->size()) * 1.5).toSize());
            QCOMPARE(affichee.windowHandle()->transientParent(), cadre.windowHandle());
            cliquer(fiche, "Ok");
        });
        ui::AfficherMessageBoite(ContexteDialogue{&agrandie, ModeEcran::m800, QColor(236, 233, 216), &sons}, "a;", "t");
    }

    void toolkitDialogsReadAsLargeAsTheEnlargedWindow() {
        QWidget agrandie;
        agrandie.resize(820, 630);
        ui::CadreAgrandi cadre(agrandie);
        cadre.resize(1230, 945);
        cadre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cadre));
        QWidget ordinaire;
        for (const auto& [dessus, echelle] : {std::pair<QWidget*, double>{&agrandie, 1.5}, {&ordinaire, 1.0}}) {
            QFileDialog dialogue(dessus);
            dialogue.setOption(QFileDialog::DontUseNativeDialog);
            const qreal police = dialogue.font().pointSizeF();
            auto* liste = dialogue.findChild<QAbstractItemView*>();
            QVERIFY(liste != nullptr);
            const QSize icones = liste->iconSize();
            ui::agrandirCommeLaFenetre(dialogue, *dessus);
            QCOMPARE(dialogue.font().pointSizeF(), police * echelle);
            QCOMPARE(liste->iconSize(), icones * echelle);
        }
    }

    void questionAnswersOuiAndTakesEveryOtherWayOutAsNon() {
        pendantDialogue([](QWidget* fiche) { cliquer(fiche, "Oui"); });
        QCOMPARE(ui::PoserQuestionBoite(contexte(), "a;", "t"), Reponse::oui);
        pendantDialogue([](QWidget* fiche) { cliquer(fiche, "Non"); });
        QCOMPARE(ui::PoserQuestionBoite(contexte(), "a;", "t"), Reponse::non);
        pendantDialogue([](QWidget* fiche) { QTest::keyClick(fiche->focusWidget(), Qt::Key_Escape); });
        QCOMPARE(ui::PoserQuestionBoite(contexte(), "a;", "t"), Reponse::non);
        pendantDialogue([](QWidget* fiche) { fiche->close(); });
        QCOMPARE(ui::PoserQuestionBoite(contexte(), "a;", "t"), Reponse::non);
    }

    void mainWindowComesBackWhenTheLastStackedDialogCloses() {
        pendantDialogue(
            [&](QWidget* dessous) {
                pendantDialogue([](QWidget* dessus) { cliquer(dessus, "Ok"); }, "dessus");
                ui::AfficherMessageBoite(contexte(), "b;", "dessus");
                QVERIFY(!principale.isEnabled());
                cliquer(dessous, "Ok");
            },
            "dessous");
        ui::AfficherMessageBoite(contexte(), "a;", "dessous");
    }

    void numberDialogWaitsForANumber() {
        pendantDialogue([](QWidget* fiche) {
            cliquer(fiche, "Ok");
            QVERIFY(fiche->isVisible());
            fiche->close();
            QVERIFY(fiche->isVisible());
            cliquer(fiche, "RadioButton3");
            auto* trois = enfant<QRadioButton>(fiche, "RadioButton3");
            QTest::keyClick(trois, Qt::Key_Return);
            QCOMPARE(fiche->focusWidget(), enfant<QWidget>(fiche, "Ok"));
            cliquer(fiche, "Ok");
        });
        QCOMPARE(ui::DemanderNombreJoueursDialogue(contexte()), 3);
    }

    void waitCutShortByTheApplicationsEndStillAnswers() {
        pendantDialogue([](QWidget*) { QCoreApplication::exit(0); });
        QCOMPARE(ui::DemanderNombreJoueursDialogue(contexte()), 1);
        relancerLaBoucle();
    }

    void namesFillTheDefaultsAndComputerSeats() {
        pendantDialogue([](QWidget* fiche) {
            QVERIFY(enfant<QLineEdit>(fiche, "Edit3")->isVisible());
            QVERIFY(enfant<QLineEdit>(fiche, "Edit4")->isHidden());
            QVERIFY(enfant<QCheckBox>(fiche, "CheckBox4")->isHidden());
            auto* un = enfant<QLineEdit>(fiche, "Edit1");
            QTest::keyClicks(un, "Abcdefghijk");
            QCOMPARE(un->text(), QString("Abcdefgh"));
            enfant<QLineEdit>(fiche, "Edit2")->insert("  ");
            auto* trois = enfant<QLineEdit>(fiche, "Edit3");
            trois->insert("Léa");
            cliquer(fiche, "CheckBox3");
            QCOMPARE(trois->text(), QString("Ordi 3"));
            cliquer(fiche, "CheckBox1");
            cliquer(fiche, "CheckBox1");
            QCOMPARE(un->text(), QString("Joueur 1"));
            un->setText("Léa");
            cliquer(fiche, "Ok");
        });
        const ChoixNoms choix = ui::DemanderNomsDialogue(contexte(), 3, true);
        QVERIFY(choix.ok);
        QVERIFY(choix.styleOuvert);
        QCOMPARE(choix.noms[1], std::string("Léa"));
        QCOMPARE(choix.noms[2], std::string("Joueur 2"));
        QCOMPARE(choix.noms[3], std::string("Ordi 3"));
        QCOMPARE(choix.ordinateur, (std::array<bool, 5>{false, false, false, true, false}));
    }

    void namesRetourKeepsTheStyleBoxAsClicked() {
        pendantDialogue([](QWidget* fiche) {
            auto* style = enfant<QCheckBox>(fiche, "CheckBoxStyle");
            QVERIFY(!style->isChecked());
            QCOMPARE(style->text(), QString("&style ouvert"));
            cliquer(fiche, "CheckBoxStyle");
            QCOMPARE(style->text(), QString("&style fermer"));
            QTest::keyClick(fiche->focusWidget(), Qt::Key_Escape);
        });
        const ChoixNoms choix = ui::DemanderNomsDialogue(contexte(ModeEcran::m640), 2, true);
        QVERIFY(!choix.ok);
        QVERIFY(!choix.styleOuvert);
    }

    void namesEnterWalksDownTheForm() {
        pendantDialogue([](QWidget* fiche) {
            const QStringList ordre{"Edit1", "CheckBox1", "Edit2", "CheckBox2", "Ok"};
            for (int i = 0; i + 1 < ordre.size(); ++i) {
                QTest::keyClick(enfant<QWidget>(fiche, ordre[i]), Qt::Key_Return);
                QCOMPARE(fiche->focusWidget()->objectName(), ordre[i + 1]);
            }
            QTest::keyClick(fiche->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(ui::DemanderNomsDialogue(contexte(), 2, false).ok);
    }

    void letterDialogNeedsAChoice() {
        pendantDialogue([](QWidget* fiche) {
            auto* liste = enfant<QListWidget>(fiche, "ListeLettres");
            QCOMPARE(liste->count(), 26);
            liste->setFocus();
            cliquer(fiche, "Ok");
            QTest::keyClick(liste, Qt::Key_5);
            fiche->close();
            cliquer(fiche, "Ok");
            QVERIFY(fiche->isVisible());
            QTest::keyClick(liste, Qt::Key_Q, Qt::ShiftModifier);
            QCOMPARE(liste->selectedItems().front()->text(), QString("q"));
            QTest::keyClick(liste, Qt::Key_K);
            QTest::keyClick(liste, Qt::Key_Return);
            QCOMPARE(fiche->focusWidget(), enfant<QWidget>(fiche, "Ok"));
            QTest::keyClick(fiche->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(ui::ChoisirLettreDialogue(contexte(), 27), 'k');
        pendantDialogue([](QWidget* fiche) {
            auto* liste = enfant<QListWidget>(fiche, "ListeLettres");
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(1)).center());
            cliquer(fiche, "Ok");
        });
        QCOMPARE(ui::ChoisirLettreDialogue(contexte(ModeEcran::m640), 47), 'b');
    }

    void reportShowsItsSlotsAndReturnsTheTicks() {
        MotsRefuses mots{};
        mots[2] = "zyva";
        mots[3] = "kézako";
        pendantDialogue([](QWidget* fiche) {
            for (int k = 1; k <= 8; ++k) {
                const bool montre = k == 2 || k == 3;
                QCOMPARE(enfant<QCheckBox>(fiche, QStringLiteral("CheckBox%1").arg(k))->isVisible(), montre);
                QCOMPARE(enfant<QLabel>(fiche, QStringLiteral("mot%1").arg(k))->isVisible(), montre);
            }
            QCOMPARE(texteDe(fiche, "mot3"), QString("kézako"));
            QVERIFY(texteDe(fiche, "Label5").endsWith(": /jeu/dico retrait.txt"));
            cliquer(fiche, "CheckBox3");
            QTest::keyClick(fiche->focusWidget(), Qt::Key_Escape);
        });
        const auto cochees = ui::RapportMotsRefusesDialogue(contexte(), mots, QStringLiteral("/jeu/dico retrait.txt"));
        QCOMPARE(cochees, (glyphane::CasesCochees{false, false, false, true, false, false, false, false, false}));
    }

    void reportIsDraggedByItsClientArea() {
        pendantDialogue([](QWidget* fiche) {
            QWidget* prise = enfant<QLabel>(fiche, "Label3");
            const QPoint depart = fiche->pos();
            const QPoint local(10, 5);
            const QPoint global = prise->mapToGlobal(local);
            const QPoint deplacement(30, -20);
            QMouseEvent appui(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(prise, &appui);
            QMouseEvent glisse(QEvent::MouseMove, local + deplacement, global + deplacement, Qt::NoButton,
                               Qt::LeftButton, {});
            QApplication::sendEvent(prise, &glisse);
            QCOMPARE(fiche->pos(), depart + deplacement);
            cliquer(fiche, "Ok");
        });
        ui::RapportMotsRefusesDialogue(contexte(), MotsRefuses{}, QStringLiteral("/jeu/dico retrait.txt"));
    }

    void confirmationsAndAboutBox() {
        pendantDialogue([](QWidget* fiche) {
            QCOMPARE(texteDe(fiche, "Label1"), QString("Êtes-vous sûr de vouloir quitter ?"));
            cliquer(fiche, "Oui");
        });
        QVERIFY(ui::ConfirmerQuitter(contexte()));
        pendantDialogue([](QWidget* fiche) { QTest::keyClick(fiche->focusWidget(), Qt::Key_Escape); });
        QVERIFY(!ui::ConfirmerQuitter(contexte()));
        pendantDialogue([&](QWidget* fiche) {
            QCOMPARE(fiche->pos(), principale.geometry().topLeft() + QPoint(120, 126));
            QCOMPARE(fiche->size(), QSize(255, 111));
            cliquer(fiche, "Oui");
        });
        QVERIFY(ui::ConfirmerRecommencer(contexte(ModeEcran::m640)));
        pendantDialogue([](QWidget* fiche) { fiche->close(); });
        QVERIFY(!ui::ConfirmerRecommencer(contexte()));
        pendantDialogue([](QWidget* fiche) {
            QCOMPARE(texteDe(fiche, "Label2"), QString("Version 7.5"));
            cliquer(fiche, "Ok");
        });
        ui::AProposDe(contexte());
    }

    void drawAnsweredNonClosesAtOnce() {
        ui::DialogueTirage tirage(contexte());
        pendantDialogue([](QWidget* fiche) { cliquer(fiche, "Non"); });
        QVERIFY(!tirage.demander());
    }

    void drawBetweenComputersNeedsNoClick() {
        ui::DialogueTirage tirage(contexte());
        pendantDialogue([](QWidget* fiche) { cliquer(fiche, "Oui"); });
        QVERIFY(tirage.demander());
        QVERIFY(!principale.isEnabled());
        tirage.attendreSiege(1, "Ordi 1", true);
        for (int lettre = 1; lettre <= 13; ++lettre) tirage.montrerLettre(1, lettre);
        tirage.attendreSiege(2, "Ordi 2", true);
        tirage.montrerLettre(2, 3);
        pendantDialogue([](QWidget* fiche) {
            QCOMPARE(texteDe(fiche, "Nom1"), QString("Ordi 1"));
            QCOMPARE(texteDe(fiche, "Rang1"), QString("2"));
            QCOMPARE(texteDe(fiche, "Rang2"), QString("1"));
            QVERIFY(!enfant<QLabel>(fiche, "Lettre2")->pixmap().isNull());
            QCOMPARE(enfant<QPushButton>(fiche, "Non")->text(), QString("&commencer"));
        });
        QElapsedTimer attente;
        attente.start();
        tirage.terminer({0, 13, 3, 0, 0}, {0, 2, 1, 0, 0}, true);
        QVERIFY(attente.elapsed() >= 1400);
    }

    void drawWaitsForAHumanSeatsButton() {
        ui::DialogueTirage tirage(contexte(ModeEcran::m640));
        pendantDialogue([](QWidget* fiche) { cliquer(fiche, "Oui"); });
        QVERIFY(tirage.demander());
        pendantDialogue([](QWidget* fiche) {
            auto* siege = enfant<QPushButton>(fiche, "Siege1");
            QCOMPARE(siege->text(), QString("&Tom && Léa"));
            QTest::mouseClick(siege, Qt::LeftButton);
            QVERIFY(!siege->isEnabled());
        });
        tirage.attendreSiege(1, "Tom & Léa", false);
        tirage.montrerLettre(1, 24);
        tirage.attendreSiege(2, "Ordi 2", true);
        tirage.montrerLettre(2, 1);
        pendantDialogue([](QWidget* fiche) {
            QVERIFY(enfant<QLabel>(fiche, "Lettre1")->isVisible());
            cliquer(fiche, "Non");
        });
        tirage.terminer({0, 24, 1, 0, 0}, {0, 2, 1, 0, 0}, false);
    }
};

QTEST_MAIN(TestDialogues)
#include "dialogues_test.moc"
