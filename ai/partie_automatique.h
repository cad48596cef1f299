#pragma once
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

#include "ai/joueur_ordinateur.h"
#include "ai/journal_des_tours.h"
#include "engine/jeu.h"
#include "engine/vue_silencieuse.h"

// Games between computer seats only, played to their end without a pause: the
// self-play command, its benchmark and the tests that check every move.
namespace glyphane {

// Answers the setup dialogs with computer seats only and shows nothing.
class VueAutomatique final : public VueSilencieuse {
public:
    int sieges = 2;

    Reponse PoserQuestion(const std::string&, const std::string&) override { return Reponse::oui; }
    char ChoisirLettre(int) override { return lettreInconnue; }
    int DemanderNombreJoueurs() override { return sieges; }
    ChoixNoms DemanderNoms(int nbJoueurs, bool styleOuvert) override;
};

struct ResultatPartie {
    std::vector<TourJoue> tours;
    std::vector<std::int32_t> scores;  // seat 1 first, after the end-of-game adjustment
    std::int32_t fichiers = 0;         // word files the possibility updates made
    bool finie = false;
};

class PartieAutomatique {
public:
    using Duree = std::chrono::steady_clock::duration;

    // The dictionary must have been started in `dossier`. With a seed, the same
    // calls play the same games, move for move.
    PartieAutomatique(LexiconTrie& trie, const std::filesystem::path& dossier, std::optional<std::uint64_t> graine);
    PartieAutomatique(const PartieAutomatique&) = delete;
    PartieAutomatique& operator=(const PartieAutomatique&) = delete;

    // Level 1..5 for every computer seat, kept from game to game; false for any
    // other number.
    bool fixerNiveau(int niveau);

    // A new game between `sieges` computer seats (1..4), played to its end.
    ResultatPartie jouer(int sieges);

    // Every possibility update and every computer search timed so far.
    std::vector<Duree> dureesMiseAJour();
    std::vector<Duree> dureesRecherche() { return journal.dureesRecherche(); }

    const Partie& partie() const { return jeu.partie; }

private:
    void noterMiseAJour(Duree duree);

    VueAutomatique vue;
    Hasard hasard;
    CadenceNulle cadence;
    Jeu jeu;
    JournalDesTours journal;
    std::mutex verrou;
    std::vector<Duree> misesAJour;
    // Last, so that its threads have stopped before anything they use goes.
    JoueurOrdinateur joueur;
};

}  // namespace glyphane
