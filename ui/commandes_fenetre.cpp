#include "ui/commandes_fenetre.h"

#include <QAction>
#include <QColorDialog>
#include <QPushButton>
#include <array>

#include "ai/controles_ordinateur.h"
#include "ai/liste_mots.h"
#include "ai/niveaux.h"
#include "ai/voir_coup.h"
#include "engine/boutons.h"
#include "engine/nouvelle_partie.h"
#include "persist/chargement.h"
#include "persist/revoir.h"
#include "persist/sauvegarde.h"
#include "ui/arret_programme.h"
#include "ui/bilan_fenetre.h"
#include "ui/cadre_agrandi.h"
#include "ui/capture_impression.h"
#include "ui/chrono_fenetre.h"
#include "ui/couleur_fond.h"
#include "ui/dialogues/dialogues.h"
#include "ui/fenetre_principale.h"
#include "ui/memo_mots.h"
#include "ui/sons.h"
#include "ui/vue_qt.h"

namespace glyphane::ui {

namespace {

// The colour dialog opens on this one, whatever the window's colour.
const QColor couleurInitiale(236, 233, 216);

// The sixteen custom colours, as BBGGRR.
constexpr std::array<std::uint32_t, 16> couleursPersonnelles = {0xD8E9EC, 0xC08000, 0x8FB577, 0xA6976F,
                                                           0xC5C5C5, 0x59CE71, 0xACACAC, 0xB8E254,
                                                           0xAC25AF, 0x3911B3, 0xE1E1E1, 0xCEE8EA,
                                                           0xC3C3C3, 0xEBEBEB, 0x35BA2E, 0xAFE4F3};

}  // namespace

CommandesFenetre::CommandesFenetre(Jeu& jeuCommande, ModeleOrdinateur& modeleDuJoueur, VueQt& vueDuJeu, FenetrePrincipale& fenetreDuJeu,
                                   Sons& sonsDuJeu, ArretProgramme& arretDuJeu, CaptureImpression& captureDuJeu)
    : QObject(&fenetreDuJeu), jeu(jeuCommande), modele(modeleDuJoueur), vue(vueDuJeu), fenetre(fenetreDuJeu), sons(sonsDuJeu),
      arret(arretDuJeu), capture(captureDuJeu), bilan(new BilanFenetre(jeuCommande, vueDuJeu, this)) {
    brancherTour();
    brancherPartie();
    brancherAides();
    brancherReglages();
    brancherSauvegardes();
    brancherAideClavier();
    brancherOutils();
}

void CommandesFenetre::surBouton(const char* nom, std::function<void()> action) {
    connect(fenetre.bouton(nom), &QPushButton::clicked, this, std::move(action));
}

void CommandesFenetre::surEntree(const char* nom, std::function<void()> action) {
    connect(fenetre.entree(nom), &QAction::triggered, this, std::move(action));
}

std::function<void()> CommandesFenetre::avecClic(std::function<void()> operation) {
    return [this, operation = std::move(operation)] {
        sons.clic();
        operation();
        vue.ActualiserControles();
    };
}

std::function<void()> CommandesFenetre::siEntreeActive(bool EtatControles::*entree, std::function<void()> action) {
    return [this, entree, action = std::move(action)] {
        if (menuActif(jeu.partie, entree)) {
            action();
        } else {
            sons.bip();
        }
    };
}

// The help goes from the screen before the action: a capture must not show it,
// nor a dialog open over it.
std::function<void()> CommandesFenetre::sansAideClavier(std::function<void()> action) {
    return [this, action = std::move(action)] {
        cacherAideClavier();
        vue.ActualiserControles();
        action();
        vue.ActualiserControles();
    };
}

bool CommandesFenetre::mainsLibres() const {
    return !vue.instantane().tourOrdinateur && jeu.partie.drapeaux.ordiOccupe.load() == 0;
}

void CommandesFenetre::cacherAideClavier() {
    jeu.partie.fenetre.modifier([](EtatControles& e) { e.panelAideClavier.visible = false; });
}

void CommandesFenetre::montrerAideClavier() {
    jeu.partie.fenetre.modifier([](EtatControles& e) { e.panelAideClavier.visible = true; });
}

void CommandesFenetre::brancherTour() {
    surBouton("Jouer", avecClic([this] { jouerCoup(jeu); }));
    surBouton("Echange", avecClic([this] { ouvrirEchangeOuPasser(jeu); }));
    surBouton("OkChangement", avecClic([this] { validerEchange(jeu); }));
    surBouton("AnnulerEchange", avecClic([this] { annulerEchange(jeu); }));
    connect(&fenetre, &FenetrePrincipale::cacheLettresClique, this, [this] {
        if (!mainsLibres()) return;
        sons.clic();
        decouvrirChevalet(jeu);
    });
    connect(fenetre.memo1(), &MemoMots::ligneCliquee, this, &CommandesFenetre::cliquerLigne);
    // Its cover holds no line: a click on it only takes the tiles back.
    connect(fenetre.memoCache(), &MemoMots::ligneCliquee, this, [this] { cliquerLigne(-1); });
}

void CommandesFenetre::brancherPartie() {
    surBouton("Commencer", avecClic([this] { NouvellePartie(jeu); }));
    surBouton("Recommencer", [this] { arret.Recommencer(); });
    surEntree("Recommancer1", [this] {
        if (vue.instantane().partieEnCours) arret.Recommencer();
    });
    surBouton("Button1", [this] { arret.Quitter(); });
    surEntree("Quittermaintenent1", [this] { arret.Quitter(); });
    connect(&fenetre, &FenetrePrincipale::fermetureDemandee, this, [this] { arret.Quitter(); });
}

void CommandesFenetre::brancherAides() {
    surBouton("ButtonListeMot", siEntreeActive(&EtatControles::menuListeDeMot, [this] { listeDeMots(); }));
    surEntree("ListeDeMot", [this] { listeDeMots(); });
    surBouton("ButtonVoir", siEntreeActive(&EtatControles::menuVoir, [this] { voir(); }));
    surEntree("Voir", [this] { voir(); });
    surEntree("aproposde1", [this] { AProposDe(vue.contexte()); });
}

void CommandesFenetre::brancherReglages() {
    const auto niveauxClick = [this] {
        cacherAideClavier();
        changerNiveau(jeu.partie);
    };
    surBouton("niveaux", avecClic(niveauxClick));
    surEntree("Niveau", avecClic(niveauxClick));
    // The computer's thread reads the style as it shows the next rack.
    surBouton("Styleb", avecClic([this] {
        if (!mainsLibres()) return;
        cacherAideClavier();
        changerStyle(jeu.partie);
    }));
    surEntree("StyleDeJeu", avecClic([this] {
        if (mainsLibres()) changerStyle(jeu.partie);
    }));
    surBouton("CouleurFond", sansAideClavier(avecClic([this] { choisirCouleur(); })));
}

void CommandesFenetre::brancherSauvegardes() {
    surBouton("PartieSauvegarder", avecClic([this] { ouvrirPartieSauvegardee(jeu); }));
    surEntree("save", avecClic([this] { sauvegarderPartie(jeu); }));
    surBouton("ButtonSave",
              sansAideClavier(siEntreeActive(&EtatControles::menuSauvegarde, avecClic([this] { sauvegarderPartie(jeu); }))));
    surBouton("DebutPartie", avecClic([this] {
        revoirDebut(jeu);
        bilan->montrer();
    }));
    surBouton("Recule", avecClic([this] {
        revoirPrecedent(jeu);
        bilan->montrer();
    }));
    surBouton("Avance", avecClic([this] {
        revoirSuivant(jeu);
        bilan->montrer();
    }));
}

void CommandesFenetre::brancherAideClavier() {
    surEntree("clavier1", avecClic([this] { montrerAideClavier(); }));
    surBouton("Button15", [this] {
        if (!fenetre.entree("clavier1")->isEnabled()) {
            sons.bip();
            return;
        }
        sons.clic();
        montrerAideClavier();
        vue.ActualiserControles();
    });
    surBouton("OkAideClavier", avecClic([this] { cacherAideClavier(); }));
}

// The chrono, the screen capture and the printout.
void CommandesFenetre::brancherOutils() {
    const auto chrono = [this] { ChronoClick(jeu, vue); };
    surEntree("timer", chrono);
    surBouton("ButtonChrono", sansAideClavier(siEntreeActive(&EtatControles::menuChrono, chrono)));
    connect(&fenetre, &FenetrePrincipale::ticChrono, this, [this] { TicChronoFenetre(jeu, vue, sons); });
    const auto capturer = avecClic([this] { capture.capturer(); });
    surEntree("printtFile", capturer);
    surBouton("ButtonCapture", sansAideClavier(siEntreeActive(&EtatControles::menuCapture, capturer)));
    const auto imprimer = avecClic([this] { capture.imprimer(); });
    surEntree("printt", imprimer);
    surBouton("ButtonImprimer", sansAideClavier(siEntreeActive(&EtatControles::menuImprimer, imprimer)));
}

void CommandesFenetre::listeDeMots() {
    if (listeMontree(jeu.partie)) return;
    sons.clic();
    listerMots(jeu, modele);
    vue.ActualiserControles();
}

void CommandesFenetre::voir() {
    if (voirPermis(jeu)) sons.clic();
    voirCoupOrdinateur(jeu, modele);
    vue.ActualiserControles();
}

void CommandesFenetre::cliquerLigne(int ligne) {
    if (bilan->cliquerLigne(ligne) || !mainsLibres()) return;
    choisirMotDeLaListe(jeu, modele, ligne);
    vue.ActualiserControles();
}

void CommandesFenetre::choisirCouleur() {
    QColorDialog dialogue(couleurInitiale, &fenetreAffichee(fenetre));
    dialogue.setObjectName(QStringLiteral("ColorDialog1"));
    agrandirCommeLaFenetre(dialogue, fenetre);
    for (int i = 0; i < static_cast<int>(couleursPersonnelles.size()); ++i) {
        QColorDialog::setCustomColor(i, couleurDepuisBbggrr(couleursPersonnelles[static_cast<std::size_t>(i)]));
    }
    if (dialogue.exec() == QDialog::Accepted) fenetre.changerCouleurFond(dialogue.selectedColor());
}

}  // namespace glyphane::ui
