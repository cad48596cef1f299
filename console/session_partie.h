#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "console/vue_console.h"
#include "engine/jeu.h"

// The commands of "glyphane-cli partie", one per input line. Each acts as the
// window's matching control would, and only when that control could be used.
namespace glyphane::console {

class SessionPartie {
public:
    SessionPartie(Jeu& jeu, VueConsole& vue, std::ostream& sortie);

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

    void exigerPartieEnCours() const;
    void exigerTourHumain() const;
    void exigerBouton(const Controle& bouton, const char* nom) const;
    void afficherPoints();

    Jeu& jeu;
    VueConsole& vue;
    std::ostream& sortie;
};

}  // namespace glyphane::console
