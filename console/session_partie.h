#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "ai/joueur_ordinateur.h"
#include "ai/journal_des_tours.h"
#include "console/vue_console.h"
#include "engine/jeu.h"

// The commands of "glyphane-cli partie", one per input line. Each acts as the
// window's matching control would, and only when that control could be used.
// A command returns once the computer seats have played and the possibility
// update is over, so that the next one sees a settled game.
namespace glyphane::console {

class SessionPartie {
public:
    // `journal` must be the one the computer player plays its turns through.
    SessionPartie(Jeu& jeu, VueConsole& vue, std::ostream& sortie, JoueurOrdinateur& ordinateur,
                  JournalDesTours& journal);

    // Runs one command line; a mistake prints one "erreur: ..." line.
    void executer(const std::string& ligne);

private:
    using Arguments = std::vector<std::string>;

    void nouvelle(const Arguments& arguments);
    void chevalet(const Arguments& arguments);
    void etat(const Arguments& arguments);
    void poser(const Arguments& arguments);
    void joker(const Arguments& arguments);
    void jouer(const Arguments& arguments);
    void reprendre(const Arguments& arguments);
    void echanger(const Arguments& arguments);
    void passer(const Arguments& arguments);
    void ordi(const Arguments& arguments);
    void niveau(const Arguments& arguments);
    void liste(const Arguments& arguments);
    void voir(const Arguments& arguments);
    void choisir(const Arguments& arguments);
    void sauver(const Arguments& arguments);
    void charger(const Arguments& arguments);
    void recuperer(const Arguments& arguments);
    void debut(const Arguments& arguments);
    void precedent(const Arguments& arguments);
    void suivant(const Arguments& arguments);
    void bilan(const Arguments& arguments);

    void exigerPartieEnCours() const;
    void exigerTourHumain() const;
    void exigerChevaletVisible() const;
    void exigerBouton(const Controle& bouton, const char* nom) const;
    void afficherPoints();
    void afficherListe();
    void afficherPartieChargee();
    // A step of the replay, then the board it shows.
    void revoir(const Arguments& arguments, const char* commande, void (*pas)(Jeu&));

    Jeu& jeu;
    VueConsole& vue;
    std::ostream& sortie;
    JoueurOrdinateur& ordinateur;
    JournalDesTours& journal;
};

}  // namespace glyphane::console
