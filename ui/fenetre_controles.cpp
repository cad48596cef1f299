// How the main window shows the state of its controls and the copy of the model.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ai/niveaux.h"
#include "engine/chrono.h"
#include "ui/fenetre_principale.h"
#include "ui/memo_mots.h"
#include "ui/plateau_dessine.h"
#include "ui/vignette_jeton.h"

namespace glyphane::ui {

namespace {

QString texteQt(const std::string& texte) { return QString::fromStdString(texte); }

void montrer(QWidget* controle, const Controle& etat) {
    controle->setVisible(etat.visible);
    controle->setEnabled(etat.actif);
}

// A label sized to its text keeps fitting it when the text changes.
void changerTexte(QLabel* etiquette, const QString& texte) {
    if (etiquette->text() == texte) return;
    etiquette->setText(texte);
    if (etiquette->objectName() != QStringLiteral("CacheLettres")) etiquette->adjustSize();
}

}  // namespace

void FenetrePrincipale::montrerCaption(const char* nom, const std::string& texte) {
    if (QPushButton* b = bouton(nom)) {
        b->setText(texteQt(texte));
    } else if (QLabel* l = etiquette(QString::fromUtf8(nom))) {
        changerTexte(l, texteQt(texte));
    }
}

void FenetrePrincipale::montrerMenus(const EtatControles& e) {
    const std::pair<const char*, bool> entrees[] = {
        {"Recommancer1", e.menuRecommencer}, {"ListeDeMot", e.menuListeDeMot}, {"Voir", e.menuVoir},
        {"save", e.menuSauvegarde},          {"printtFile", e.menuCapture},    {"printt", e.menuImprimer},
        {"timer", e.menuChrono},             {"Niveau", e.menuNiveau},
    };
    for (const auto& [nom, actif] : entrees) entree(nom)->setEnabled(actif);
    entree("StyleDeJeu")->setText(texteQt(e.captionStyleDeJeu));
}

void FenetrePrincipale::appliquerControles(const EtatControles& e) {
    const std::pair<const char*, const Controle*> controles[] = {
        {"Commencer", &e.commencer},
        {"PartieSauvegarder", &e.partieSauvegarder},
        {"Recommencer", &e.recommencer},
        {"Jouer", &e.jouer},
        {"Echange", &e.echange},
        {"OkChangement", &e.okChangement},
        {"AnnulerEchange", &e.annulerEchange},
        {"Eechange", &e.eechange},
        {"Emiseajour", &e.emiseajour},
        {"Ejoueur", &e.ejoueur},
        {"Spointsdutour", &e.pointsDuTour},
        {"Epointsdutour", &e.pointsDuTour},
        {"SnbLettredisp", &e.sac},
        {"EnbLettreDispo", &e.sac},
        {"CacheLettres", &e.cacheLettres},
        {"memoCache", &e.memoCache},
        {"CacheBoutonRevoir", &e.cacheBoutonRevoir},
        {"ButtonChrono", &e.buttonChrono},
        {"PanelAideClavier", &e.panelAideClavier},
        {"LCJ", &e.lcj},
    };
    for (const auto& [nom, etat] : controles) montrer(findChild<QWidget*>(QString::fromUtf8(nom)), *etat);
    for (int s = 1; s <= nbSiegesMax; ++s) {
        montrer(etiquette(QStringLiteral("LabelNomJoueur%1").arg(s)), e.nomJoueur[s]);
        montrer(etiquette(QStringLiteral("PointJ%1").arg(s)), e.pointJoueur[s]);
    }
    montrerChrono(e);
    montrerCaption("Echange", e.captionEchange);
    montrerCaption("CacheLettres", e.captionCacheLettres);
    montrerCaption("Ejoueur", e.captionEjoueur);
    montrerCaption("Epointsdutour", e.epointsdutour);
    montrerCaption("EnbLettreDispo", e.enbLettreDispo);
    const Niveau& niveau = niveauNumero(e.niveau);
    montrerCaption("niveaux", niveau.caption);
    montrerCaption("Styleb", e.captionStyleb);
    bouton("niveaux")->setToolTip(QString::fromUtf8(niveau.hint));
    bouton("niveaux")->setEnabled(e.menuNiveau);
    montrerMenus(e);
    progression->setMaximum(std::max(1, e.progressionMax));
    progression->setValue(std::clamp(e.progression, 0, progression->maximum()));
    memo->montrerLignes(e.memo1);
    // Only a change counts: a dialog disables the window by itself meanwhile.
    if (e.fenetreActive != activeAppliquee) {
        activeAppliquee = e.fenetreActive;
        setEnabled(e.fenetreActive);
    }
}

void FenetrePrincipale::montrerChrono(const EtatControles& e) {
    for (int s = 1; s <= nbSiegesMax; ++s) {
        QLabel* total = etiquette(QStringLiteral("LTG%1").arg(s));
        montrer(total, e.ltg[s]);
        changerTexte(total, texteQt(TexteTemps(e.tempsTotal[s])));
    }
    QLabel* lcj = etiquette(QStringLiteral("LCJ"));
    changerTexte(lcj, texteQt(TexteLcj(e.decompteTour)));
    QPalette palette = lcj->palette();
    palette.setColor(QPalette::WindowText, LcjEnRouge(e.decompteTour) ? Qt::red : Qt::black);
    lcj->setPalette(palette);
    // Started and stopped on a change only: a restart would move the seconds.
    if (e.chronoEnMarche && !tj->isActive()) tj->start();
    if (!e.chronoEnMarche) tj->stop();
}

void FenetrePrincipale::montrerScores(const Instantane& instantane) {
    for (int s = 1; s <= nbSiegesMax; ++s) {
        const std::string& nom = instantane.noms[static_cast<std::size_t>(s)];
        QLabel* etiquetteNom = etiquette(QStringLiteral("LabelNomJoueur%1").arg(s));
        changerTexte(etiquetteNom, nom.empty() ? QStringLiteral("Joueur #%1").arg(s) : texteQt(nom));
        changerTexte(etiquette(QStringLiteral("PointJ%1").arg(s)),
                     QString::number(instantane.scores[static_cast<std::size_t>(s)]));
    }
}

void FenetrePrincipale::appliquerInstantane(const Instantane& instantane) {
    for (int t = 1; t <= nbJetons; ++t) {
        const ImageJeton& image = instantane.images[static_cast<std::size_t>(t)];
        VignetteJeton* v = vignette(t);
        if (faces != nullptr) v->montrerFace(*faces, instantane.lettres[static_cast<std::size_t>(t)]);
        v->move(image.left, image.top);
        v->setEnabled(image.deplacable);
        v->setVisible(image.visible);
    }
    dessinPlateau->montrer(instantane);
    montrerScores(instantane);
}

}  // namespace glyphane::ui
