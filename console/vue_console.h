#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/vue.h"

// The game shown as lines of text, for scripts and tests: every box is one line
// on the output, and whatever the game asks is read from the next input line.
namespace glyphane::console {

class VueConsole final : public Vue {
public:
    VueConsole(std::istream& entree, std::ostream& sortie);

    // The next input line without its line end; comment lines ("#...") are
    // skipped. False at the end of the input.
    bool lireLigne(std::string& ligne);
    void erreur(std::string_view texte);

    // How the setup dialogs of the next game are answered.
    void preparerPartie(int nbJoueurs, const ChoixNoms& choix);

    // "[TITRE] line 1 / line 2 / ...": the lines of the box, empty ones kept,
    // up to the last one that holds text.
    void AfficherMessage(const std::string& texte, const std::string& titre) override;
    // The box followed by " (oui/non)"; the next line answers, "non" at the end of
    // the input.
    Reponse PoserQuestion(const std::string& texte, const std::string& titre) override;
    // "LETTRE T"; the next line answers with a letter, alone or as "joker T L".
    // At the end of the input the blank keeps no letter.
    char ChoisirLettre(int jeton) override;
    // "RAPPORT k:mot ..." for each listed slot; the next line gives the numbers
    // of the ticked boxes, separated by spaces, possibly none.
    CasesCochees RapportMotsRefuses(const MotsRefuses& mots) override;

    int DemanderNombreJoueurs() override;
    ChoixNoms DemanderNoms(int nbJoueurs, bool styleOuvert) override;
    // The console starts its games without the draw for the order.
    bool TirageOrdreDemande() override { return false; }
    void TirageSiegeAttendre(int, const std::string&, bool) override {}
    void TirageLettreMontree(int, int) override {}
    void TirageTermine(const std::array<int, nbSiegesMax + 1>&, const std::array<int, nbSiegesMax + 1>&,
                       bool) override {}

    // The name the next file dialog answers with, once: the "sauver" and
    // "charger" commands name their file.
    void preparerFichier(const std::string& nom) { fichierPrevu = nom; }
    std::optional<std::string> DemanderFichierSauvegarde() override { return std::exchange(fichierPrevu, {}); }
    std::optional<std::string> DemanderFichierACharger() override { return std::exchange(fichierPrevu, {}); }

    // The console shows the model only when asked (chevalet, etat).
    void Rafraichir() override {}
    void TraiterEvenements() override {}

private:
    std::istream& entree;
    std::ostream& sortie;
    int nbJoueursPrevus = 1;
    ChoixNoms nomsPrevus;
    std::optional<std::string> fichierPrevu;
};

}  // namespace glyphane::console
