#pragma once
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/vue.h"

namespace glyphane::test {

// A window that nobody sees: it writes down everything the game shows or asks,
// and answers from the queues a test fills, or with the default answers below
// once a queue is empty. Workers may call it, so every call takes the lock; a
// test reads the records once the workers are done.
class VueFactice final : public Vue {
public:
    struct Message {
        std::string texte;
        std::string titre;
        bool question = false;
        bool operator==(const Message&) const = default;
    };
    struct Tirage {
        int siege = 0;
        int lettre = 0;
    };

    // The script.
    std::deque<Reponse> reponses;
    std::deque<char> lettres;
    std::deque<CasesCochees> cases;
    std::deque<int> nombresDeJoueurs;
    std::deque<ChoixNoms> noms;
    std::deque<bool> tiragesOrdre;
    std::deque<std::optional<std::string>> fichiersSauvegarde;
    std::deque<std::optional<std::string>> fichiersACharger;
    Reponse reponseParDefaut = Reponse::oui;
    char lettreParDefaut = 'e';
    // Runs each time the game lets the window handle its events.
    std::function<void()> pendantLesEvenements;

    // The record.
    std::vector<Message> messages;
    std::vector<int> lettresDemandees;  // the blanks whose letter was asked
    std::vector<MotsRefuses> rapports;
    std::vector<int> siegesAuTirage;
    std::vector<Tirage> lettresDuTirage;
    int tiragesTermines = 0;
    std::array<int, nbSiegesMax + 1> lettresFinales{};  // by seat before the draw renumbered them
    std::array<int, nbSiegesMax + 1> rangs{};
    int nombresDemandes = 0;
    std::vector<int> nomsDemandes;  // the number of seats each names dialog was opened for
    int rafraichissements = 0;
    int evenementsTraites = 0;
    std::vector<std::string> pannes;

    void AfficherMessage(const std::string& texte, const std::string& titre) override {
        std::lock_guard garde(verrou);
        messages.push_back({texte, titre, false});
    }
    Reponse PoserQuestion(const std::string& texte, const std::string& titre) override {
        std::lock_guard garde(verrou);
        messages.push_back({texte, titre, true});
        return prendre(reponses, reponseParDefaut);
    }
    char ChoisirLettre(int jeton) override {
        std::lock_guard garde(verrou);
        lettresDemandees.push_back(jeton);
        return prendre(lettres, lettreParDefaut);
    }
    CasesCochees RapportMotsRefuses(const MotsRefuses& mots) override {
        std::lock_guard garde(verrou);
        rapports.push_back(mots);
        return prendre(cases, CasesCochees{});
    }
    int DemanderNombreJoueurs() override {
        std::lock_guard garde(verrou);
        ++nombresDemandes;
        return prendre(nombresDeJoueurs, 1);
    }
    ChoixNoms DemanderNoms(int nbJoueurs, bool styleOuvert) override {
        std::lock_guard garde(verrou);
        nomsDemandes.push_back(nbJoueurs);
        ChoixNoms ok;
        ok.ok = true;
        ok.styleOuvert = styleOuvert;
        return prendre(noms, ok);
    }
    bool TirageOrdreDemande() override {
        std::lock_guard garde(verrou);
        return prendre(tiragesOrdre, false);
    }
    void TirageSiegeAttendre(int siege, const std::string&, bool) override {
        std::lock_guard garde(verrou);
        siegesAuTirage.push_back(siege);
    }
    void TirageLettreMontree(int siege, int lettre) override {
        std::lock_guard garde(verrou);
        lettresDuTirage.push_back({siege, lettre});
    }
    void TirageTermine(const std::array<int, nbSiegesMax + 1>& lettreDuSiege,
                       const std::array<int, nbSiegesMax + 1>& rang, bool) override {
        std::lock_guard garde(verrou);
        ++tiragesTermines;
        lettresFinales = lettreDuSiege;
        rangs = rang;
    }
    std::optional<std::string> DemanderFichierSauvegarde() override {
        std::lock_guard garde(verrou);
        return prendre(fichiersSauvegarde, std::optional<std::string>{});
    }
    std::optional<std::string> DemanderFichierACharger() override {
        std::lock_guard garde(verrou);
        return prendre(fichiersACharger, std::optional<std::string>{});
    }
    void Rafraichir() override {
        std::lock_guard garde(verrou);
        ++rafraichissements;
    }
    void TraiterEvenements() override {
        {
            std::lock_guard garde(verrou);
            ++evenementsTraites;
        }
        if (pendantLesEvenements) pendantLesEvenements();
    }

    void SignalerPanne(const std::string& texte) override {
        std::lock_guard garde(verrou);
        pannes.push_back(texte);
    }

private:
    template <class T>
    static T prendre(std::deque<T>& file, T parDefaut) {
        if (file.empty()) return parDefaut;
        T suivant = std::move(file.front());
        file.pop_front();
        return suivant;
    }

    std::mutex verrou;
};

}  // namespace glyphane::test
