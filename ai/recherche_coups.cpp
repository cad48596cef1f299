#include "ai/recherche_coups.h"

#include <algorithm>
#include <chrono>

#include "ai/controles_ordinateur.h"
#include "ai/fichier_mots.h"
#include "ai/recherche_candidats.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/messages.h"

namespace glyphane {

namespace {

using namespace std::chrono_literals;

// The board as committed, the candidates and the word list empty; the cover
// over the list stays only while a computer seat plays.
void repartirDeZero(Partie& partie, ModeleOrdinateur& modele) {
    partie.plateau.retirerPoses();
    const bool humain = !estSiegeOrdinateur(partie);
    partie.fenetre.modifier([humain](EtatControles& e) {
        e.memo1.clear();
        if (humain) e.memoCache.visible = false;
    });
    modele.Candidats.clear();
}

// A blank on the rack has no letter yet; every tile, including one lying on the
// board this turn, goes back to its slot, shown.
ChevaletDeRecherche reprendreChevalet(Partie& partie) {
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    for (int j = 1; j <= tailleChevalet; ++j) DonnerLettreJoker(partie, casiers[j], lettreInconnue);
    ChevaletDeRecherche chevalet;
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = casiers[j];
        if (jeton == 0) {
            chevalet.lettres.push_back(casierVide);
            chevalet.chiffres.push_back('0');
            continue;
        }
        chevalet.lettres.push_back(partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)]);
        chevalet.chiffres.push_back(static_cast<char>('0' + ChiffreJeton[static_cast<std::size_t>(jeton)]));
        ++chevalet.nombreJetons;
        if (estJoker(jeton)) ++chevalet.nombreJokers;
        partie.jetonSelectionne = static_cast<std::uint8_t>(jeton);
        RemettreAuChevalet(partie, true);
    }
    return chevalet;
}

// The window's side of a search: the stop flag, the word list and the bar as
// the records go by, and the question after the seven-tile moves. The model's
// candidates keep in step with the list shown, so that a click on a line
// during the search lays that line's move.
class SuiviDuJeu final : public SuiviRecherche {
public:
    SuiviDuJeu(Jeu& jeuEnCours, ModeleOrdinateur& modeleOrdinateur, int nombreJokers)
        : jeu(jeuEnCours), modele(modeleOrdinateur), jokers(nombreJokers) {}

    bool continuer() override { return !arretDemande(jeu.partie); }

    void apresRecord(bool valide, std::span<const Candidat> nouveaux) override {
        if (valide) {
            modele.Candidats.insert(modele.Candidats.end(), nouveaux.begin(), nouveaux.end());
            jeu.partie.fenetre.modifier([nouveaux](EtatControles& e) {
                for (const Candidat& candidat : nouveaux) e.memo1.push_back(candidat.ligne);
                ++e.progression;
            });
            jeu.vue.ActualiserControles();
        }
        jeu.vue.TraiterEvenements();
    }

    // A computer seat at the best level keeps to the seven-tile moves when there
    // are any; a human with a blank is asked.
    bool apresSeptJetons(const std::vector<Candidat>& trouves) override {
        if (trouves.empty()) return true;
        const bool ordinateur = estSiegeOrdinateur(jeu.partie);
        if (ordinateur && niveauCourant(jeu.partie) == niveauMeilleur) return false;
        if (ordinateur || jokers == 0) return true;
        const Reponse reponse =
            jeu.vue.PoserQuestion(std::string(messages::continuerRecherche), std::string(messages::titreMotsDe7));
        refusee = reponse == Reponse::non;
        return !refusee;
    }

    bool refusee = false;

private:
    Jeu& jeu;
    ModeleOrdinateur& modele;
    const int jokers;
};

void preparerProgression(Partie& partie, int maximum) {
    partie.fenetre.modifier([maximum](EtatControles& e) {
        e.progression = 1;
        e.progressionMax = maximum;
    });
}

}  // namespace

bool ChercherCoups(Jeu& jeu, ModeleOrdinateur& modele) {
    if (!attendreFinMiseAJour(jeu)) return false;
    jeu.vue.TraiterEvenements();
    jeu.cadence.pause(500ms);
    Partie& partie = jeu.partie;
    if (partie.deroulement.joueurCourant() < 1 || partie.deroulement.joueurCourant() > nbSiegesMax) return false;

    repartirDeZero(partie, modele);
    const ChevaletDeRecherche chevalet = reprendreChevalet(partie);
    jeu.vue.Rafraichir();
    preparerProgression(partie, possibilitesValides(modele, chevalet.nombreJetons));
    jeu.vue.ActualiserControles();

    SuiviDuJeu suivi(jeu, modele, chevalet.nombreJokers);
    const auto lire = [&jeu](std::int32_t numero, std::string& contenu) {
        return LireFichierMots(jeu, numero, contenu);
    };
    const CandidatsTrouves resultat =
        ChercherCandidats(partie.plateau.grilleFixe(), chevalet, modele, jeu.trie, lire, &suivi);
    if (resultat.arretee) return false;
    fixerProgression(partie, 0);
    if (suivi.refusee) return false;
    jeu.vue.ActualiserControles();
    return true;
}

}  // namespace glyphane
