// The refused-word report (TFiche_Erreur_mot): a window without a caption bar
// that is dragged by its client area.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <optional>

#include "ui/cadre_agrandi.h"
#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"

namespace glyphane::ui {

namespace {

constexpr int nbCases = 8;
const QString deplacez = QStringLiteral("Déplacez la fenêtre !");

class FicheErreurMot : public Fiche {
public:
    FicheErreurMot(const ContexteDialogue& contexte, const MotsRefuses& mots, const QString& fichierRetrait);

    CasesCochees cochees() const;

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    void habiller();
    void ajouterCase(int k, const QString& mot);
    void ajouterNotes(const QString& fichierRetrait);

    std::array<QCheckBox*, nbCases + 1> cases{};
    // Where the window was taken, from its top-left corner.
    std::optional<QPoint> prise;
};

FicheErreurMot::FicheErreurMot(const ContexteDialogue& contexte, const MotsRefuses& mots,
                               const QString& fichierRetrait)
    : Fiche(contexte, QSize(413, 289), QSize(344, 235)) {
    placerEn640(QPoint(113, 96));
    habiller();
    QLabel* titre = etiquette(QStringLiteral("Label1"), QStringLiteral("Ce(s) mot(s) ne figure(nt) pas au dictionnaire !"),
                              police(selon(16, 13), true), {QRect(20, 14, 371, 20), QRect(14, 14, 316, 17)},
                              Qt::AlignCenter);
    titre->setStyleSheet(QStringLiteral("color: red"));
    ajusterLargeur(titre, 4, width() - 4);
    for (int k = 1; k <= nbCases; ++k) ajouterCase(k, QString::fromStdString(mots[k]));
    QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"),
                             {QRect(120, 162, 169, 25), QRect(106, 124, 117, 21)}, [this] { repondre(); });
    ok->setToolTip(deplacez);
    annulerPar(ok);
    ok->setFocus();
    ajouterNotes(fichierRetrait);
}

// Medium grey whatever the main window's colour, edged by a 2-pixel line.
void FicheErreurMot::habiller() {
    setObjectName(QStringLiteral("TFiche_Erreur_mot"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(deplacez);
    QPalette palette = panneau()->palette();
    palette.setColor(QPalette::Window, QColor(160, 160, 164));
    panneau()->setPalette(palette);
    panneau()->setFrameStyle(QFrame::Box | QFrame::Plain);
    panneau()->setLineWidth(2);
}

void FicheErreurMot::ajouterCase(int k, const QString& mot) {
    const bool gauche = k <= nbCases / 2;
    const int rang = (k - 1) % (nbCases / 2);
    const QPoint case800(gauche ? 44 : 226, 48 + 24 * rang);
    const QPoint case640(gauche ? 20 : 170, 40 + 20 * rang);
    const QPoint mot800(gauche ? 67 : 251, 50 + 24 * rang);
    const QPoint mot640(gauche ? 49 : 201, 42 + 20 * rang);
    // Each box reaches its word, with its number close to the box, so that
    // the number shows in full; in mode 800 the word then steps aside a little
    // not to run into it.
    const QPoint ecart800(3, 0);
    auto* boite = new QCheckBox(QStringLiteral("&%1").arg(k), panneau());
    boite->setObjectName(QStringLiteral("CheckBox%1").arg(k));
    boite->setGeometry(selon({QRect(case800, QSize(mot800.x() - case800.x(), 17)),
                              QRect(case640, QSize(mot640.x() - case640.x(), 17))}));
    boite->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    boite->setToolTip(QStringLiteral("déplacez cette fenêtre ..."));
    boite->setVisible(!mot.isEmpty());
    connect(boite, &QCheckBox::clicked, this, [this] { clic(); });
    cases[k] = boite;

    QLabel* label = etiquette(QStringLiteral("mot%1").arg(k), mot, police(selon(13, 11), true), mot800 + ecart800, mot640);
    label->setStyleSheet(QStringLiteral("color: navy"));
    label->setVisible(!mot.isEmpty());
}

void FicheErreurMot::ajouterNotes(const QString& fichierRetrait) {
    const QFont gras = police(selon(11, 9), true);
    etiquette(QStringLiteral("Label2"), QStringLiteral("n.b. Le(s) mot(s) coché(s) sera(ont) ajouté(s) au dictionnaire."),
              gras, QPoint(40, 200), QPoint(12, 156));
    etiquette(QStringLiteral("Label3"),
              QStringLiteral("Si toutes les cases ne sont pas cochées , le coup n'est pas valide"), gras, QPoint(16, 224),
              QPoint(12, 172));
    etiquette(QStringLiteral("Label4"), QStringLiteral("le contrôle du jeu passe au joueur suivant."), gras,
              QPoint(74, 242), QPoint(12, 188));
    // The withdrawal list where it really is; a long path is shortened in the
    // middle to fit the window and shown whole in the tooltip.
    const QString debut = QStringLiteral("Pour rendre invalide un ou des mots: ");
    QLabel* note = etiquette(QStringLiteral("Label5"), debut, gras, QPoint(16, 266), QPoint(12, 204));
    const int place = width() - note->x() - 4 - QFontMetrics(gras).horizontalAdvance(debut);
    note->setText(debut + QFontMetrics(gras).elidedText(fichierRetrait, Qt::ElideMiddle, place));
    note->adjustSize();
    note->setToolTip(fichierRetrait);
}

CasesCochees FicheErreurMot::cochees() const {
    CasesCochees resultat{};
    for (int k = 1; k <= nbCases; ++k) {
        const QCheckBox* boite = cases[k];
        resultat[k] = !boite->isHidden() && boite->isChecked();
    }
    return resultat;
}

void FicheErreurMot::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) {
        prise = evenement->globalPosition().toPoint() - fenetreAffichee(*this).pos();
    }
    Fiche::mousePressEvent(evenement);
}

void FicheErreurMot::mouseMoveEvent(QMouseEvent* evenement) {
    if (prise && (evenement->buttons() & Qt::LeftButton)) {
        fenetreAffichee(*this).move(evenement->globalPosition().toPoint() - *prise);
    }
    Fiche::mouseMoveEvent(evenement);
}

void FicheErreurMot::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) prise.reset();
    Fiche::mouseReleaseEvent(evenement);
}

}  // namespace

CasesCochees RapportMotsRefusesDialogue(const ContexteDialogue& contexte, const MotsRefuses& mots,
                                        const QString& fichierRetrait) {
    FicheErreurMot fiche(contexte, mots, fichierRetrait);
    fiche.executer(Fiche::Son::bip);
    return fiche.cochees();
}

}  // namespace glyphane::ui
