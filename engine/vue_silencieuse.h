#pragma once
#include "engine/vue.h"

namespace glyphane {

// A window nobody watches: nothing is shown, every question is answered "&non",
// a blank gets an "e", the setup gives one seat and no draw, no file is chosen.
// Games without a player (self-play, the fuzzer, tests) start from it and
// override the answers they need.
class VueSilencieuse : public Vue {
public:
    void AfficherMessage(const std::string&, const std::string&) override {}
    Reponse PoserQuestion(const std::string&, const std::string&) override { return Reponse::non; }
    char ChoisirLettre(int) override { return 'e'; }
    CasesCochees RapportMotsRefuses(const MotsRefuses&) override { return {}; }
    int DemanderNombreJoueurs() override { return 1; }
    ChoixNoms DemanderNoms(int, bool styleOuvert) override {
        ChoixNoms choix;
        choix.ok = true;
        choix.styleOuvert = styleOuvert;
        return choix;
    }
    bool TirageOrdreDemande() override { return false; }
    void TirageSiegeAttendre(int, const std::string&, bool) override {}
    void TirageLettreMontree(int, int) override {}
    void TirageTermine(const std::array<int, nbSiegesMax + 1>&, const std::array<int, nbSiegesMax + 1>&,
                       bool) override {}
    std::optional<std::string> DemanderFichierSauvegarde() override { return std::nullopt; }
    std::optional<std::string> DemanderFichierACharger() override { return std::nullopt; }
    void Rafraichir() override {}
    void TraiterEvenements() override {}
};

}  // namespace glyphane
