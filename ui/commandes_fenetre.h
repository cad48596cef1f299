#pragma once
#include <QObject>
#include <functional>

#include "engine/fenetre.h"
#include "ai/modele_ordinateur.h"
#include "engine/jeu.h"

// What the main window's buttons and menu entries do. Each button plays the
// click first; a button whose menu entry is disabled only beeps. The game's
// operations do the rest.
namespace glyphane::ui {

class ArretProgramme;
class BilanFenetre;
class CaptureImpression;
class FenetrePrincipale;
class Sons;
class VueQt;

class CommandesFenetre final : public QObject {
    Q_OBJECT
public:
    CommandesFenetre(Jeu& jeu, ModeleOrdinateur& modele, VueQt& vue, FenetrePrincipale& fenetre, Sons& sons, ArretProgramme& arret,
                     CaptureImpression& capture);

private:
    void brancherTour();
    void brancherPartie();
    void brancherAides();
    void brancherReglages();
    void brancherSauvegardes();
    void brancherAideClavier();
    void brancherOutils();
    void surBouton(const char* nom, std::function<void()> action);
    void surEntree(const char* nom, std::function<void()> action);
    // Runs a game operation after the click, then shows the controls it changed.
    std::function<void()> avecClic(std::function<void()> operation);
    // The button acts while its menu entry is enabled, and beeps otherwise.
    std::function<void()> siEntreeActive(bool EtatControles::*entree, std::function<void()> action);
    // Buttons that put the keyboard help away before they act.
    std::function<void()> sansAideClavier(std::function<void()> action);

    bool mainsLibres() const;
    void cacherAideClavier();
    void montrerAideClavier();
    void listeDeMots();
    void voir();
    void cliquerLigne(int ligne);
    // The colour dialog, from "&fond".
    void choisirCouleur();

    Jeu& jeu;
    ModeleOrdinateur& modele;
    VueQt& vue;
    FenetrePrincipale& fenetre;
    Sons& sons;
    ArretProgramme& arret;
    CaptureImpression& capture;
    // A child of this object, as the window's other parts are of the window.
    BilanFenetre* bilan;
};

}  // namespace glyphane::ui
