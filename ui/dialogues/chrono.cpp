// The chrono's settings (TFiche_Chrono): a countdown for each turn, and one for
// each seat's whole game.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"

namespace glyphane::ui {

namespace {

constexpr QSize taille(278, 200);

Place partout(const QRect& place) { return {place, place}; }

template <std::size_t N>
QComboBox* liste(QWidget* parent, const QString& nom, const std::array<ChoixTemps, N>& choix, int courant,
                 const QRect& place) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(nom);
    for (const ChoixTemps& c : choix) {
        combo->addItem(QString::fromUtf8(c.texte.data(), static_cast<qsizetype>(c.texte.size())));
    }
    combo->setCurrentIndex(courant);
    combo->setGeometry(place);
    return combo;
}

QCheckBox* boiteACocher(QWidget* parent, const QString& nom, const QString& texte, bool cochee, const QRect& place) {
    auto* boite = new QCheckBox(texte, parent);
    boite->setObjectName(nom);
    boite->setChecked(cochee);
    boite->setGeometry(place);
    return boite;
}

class FicheChrono : public Fiche {
public:
    FicheChrono(const ContexteDialogue& contexte, const ChoixChrono& actuel);

    ChoixChrono choix() const;

private:
    QCheckBox* parTour = nullptr;
    QComboBox* tour = nullptr;
    QCheckBox* total = nullptr;
    QComboBox* totalChoisi = nullptr;
};

FicheChrono::FicheChrono(const ContexteDialogue& contexte, const ChoixChrono& actuel)
    : Fiche(contexte, taille, taille) {
    setObjectName(QStringLiteral("Fiche_Chrono"));
    QLabel* titre = etiquette(QStringLiteral("Label1"), QStringLiteral("Chronomètre"), police(15, true),
                              partout({0, 10, 278, 24}), Qt::AlignCenter);
    QPalette bleu = titre->palette();
    bleu.setColor(QPalette::WindowText, Qt::blue);
    titre->setPalette(bleu);
    const QFont entete = police(11, true);
    etiquette(QStringLiteral("Label2"), QStringLiteral("Visible"), entete, QPoint(12, 46), QPoint(12, 46));
    etiquette(QStringLiteral("Label3"), QStringLiteral("Temps"), entete, QPoint(156, 46), QPoint(156, 46));
    parTour = boiteACocher(panneau(), QStringLiteral("CheckBox1"), QStringLiteral("&chaque Tour"), actuel.parTour,
                           {12, 72, 138, 20});
    tour = liste(panneau(), QStringLiteral("ComboBox1"), choixParTour, actuel.tour, {152, 70, 116, 22});
    total = boiteACocher(panneau(), QStringLiteral("CheckBox2"), QStringLiteral("&temps total de la partie"),
                         actuel.total, {12, 110, 138, 20});
    totalChoisi = liste(panneau(), QStringLiteral("ComboBox2"), choixTotal, actuel.totalChoisi, {152, 108, 116, 22});
    QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"), partout({101, 156, 75, 25}),
                             [this] { repondre(); });
    annulerPar(ok);
    ok->setFocus();
}

ChoixChrono FicheChrono::choix() const {
    return {parTour->isChecked(), tour->currentIndex(), total->isChecked(), totalChoisi->currentIndex()};
}

}  // namespace

ChoixChrono ChoisirChronoDialogue(const ContexteDialogue& contexte, const ChoixChrono& actuel) {
    FicheChrono fiche(contexte, actuel);
    fiche.executer(Fiche::Son::clic);
    return fiche.choix();
}

}  // namespace glyphane::ui
