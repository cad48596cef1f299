#pragma once
#include <memory>
#include <string>

#include "ai/joueur_ordinateur.h"
#include "engine/jeu.h"
#include "persist/partie_en_cours.h"
#include "ui/faces_jetons.h"
#include "ui/options_programme.h"
#include "ui/sons.h"
#include "ui/vue_qt.h"

// The running program: the dictionary, the game, the computer player, the main
// window and what ties them, created in that order and taken down the other way.
namespace glyphane::ui {

class ArretProgramme;
class CadreAgrandi;
class CaptureImpression;
class ClavierJeu;
class CommandesFenetre;
class EcranDemarrage;
class FenetrePrincipale;
class GlisserJetons;
class HorlogeAlarme;

class Programme {
public:
    // The game pauses through `cadence` (the program's own when none is given).
    explicit Programme(const OptionsProgramme& options, std::unique_ptr<Cadence> cadence = {});
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // The start-up sequence, the dictionary's steps between the window's. False
    // when the program cannot run; raisonEchec() then says why in one line.
    bool demarrer(EcranDemarrage* ecran = nullptr);
    const std::string& raisonEchec() const { return raison; }

    // Shows the main window as the screen calls for.
    void montrer();

    // Once the window shows: a game left without its end is offered, and taken
    // up on "&oui" as "Partie Sauvegardée" takes up a file; "&non" keeps it for
    // later. A damaged one is told and set aside.
    void proposerReprise();

    Jeu& jeu() { return jeuEnCours; }
    JoueurOrdinateur& ordinateur() { return joueur; }
    VueQt& vue() { return vueQt; }
    Sons& sons() { return *sonsDuJeu; }
    FenetrePrincipale& fenetre() { return *fenetrePrincipale; }
    // The window's parts with a state of their own, once demarrer() has made them.
    ClavierJeu& clavier() { return *clavierJeu; }
    HorlogeAlarme& horloge() { return *horlogeAlarme; }
    CaptureImpression& capture() { return *captureEcran; }
    const OptionsProgramme& options() const { return reglages; }

private:
    // Enlarged on a large screen, at the size it had last time when that still fits.
    void montrerFenetre820(FenetrePrincipale& f);

    OptionsProgramme reglages;
    LexiconTrie trie;
    Hasard hasard;
    std::unique_ptr<Cadence> cadence;
    VueQt vueQt;
    Jeu jeuEnCours;
    SauvegardeAutomatique sauvegardeAutomatique;
    JoueurOrdinateur joueur;
    std::unique_ptr<Sons> sonsDuJeu;
    FacesJetons faces;
    std::unique_ptr<FenetrePrincipale> fenetrePrincipale;
    std::unique_ptr<ArretProgramme> arretProgramme;
    // On a large screen, the window shown enlarged; it gives the window back first.
    std::unique_ptr<CadreAgrandi> cadre;
    // Children of the window, which takes them down with it.
    ClavierJeu* clavierJeu = nullptr;
    HorlogeAlarme* horlogeAlarme = nullptr;
    CaptureImpression* captureEcran = nullptr;
    std::string raison;
};

}  // namespace glyphane::ui
