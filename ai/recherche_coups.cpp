#include "ai/recherche_coups.h"

#include <algorithm>
#include <chrono>
#include <unordered_set>

#include "ai/candidats.h"
#include "ai/controles_ordinateur.h"
#include "ai/fichier_mots.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/messages.h"

namespace glyphane {

namespace {

using namespace std::chrono_literals;

constexpr int bonusSeptJetons = 50;
constexpr std::string_view niveauSeptLettres = "&niveau5";

const std::vector<Possibilite>& liste(const ModeleOrdinateur& modele, int nombre) {
    return modele.Possibilites[static_cast<std::size_t>(nombre)];
}

// The board as committed, the lists and the word list empty; the cover over the
// list stays only while a computer seat plays.
void repartirDeZero(Partie& partie, ModeleOrdinateur& modele) {
    partie.plateau.grilleJeu = partie.plateau.grilleFixe;
    const bool humain = !estSiegeOrdinateur(partie);
    partie.fenetre.modifier([humain](EtatControles& e) {
        e.memo1.clear();
        if (humain) e.memoCache.visible = false;
    });
    modele.ListeCoups.clear();
    modele.ListePoints.clear();
}

// A blank on the rack has no letter yet; every tile, including one lying on the
// board this turn, goes back to its slot, shown.
ChevaletDeRecherche reprendreChevalet(Partie& partie) {
    const auto& casiers = partie.chevalet.caseChevalet[partie.joueurCourant];
    for (int j = 1; j <= tailleChevalet; ++j) DonnerLettreJoker(partie, casiers[j], lettreInconnue);
    ChevaletDeRecherche chevalet;
    for (int j = 1; j <= tailleChevalet; ++j) {
        const int jeton = casiers[j];
        if (jeton == 0) {
            chevalet.lettres.push_back(casierVide);
            chevalet.chiffres.push_back('0');
            continue;
        }
        chevalet.lettres.push_back(partie.LettreJeton[static_cast<std::size_t>(jeton)]);
        chevalet.chiffres.push_back(static_cast<char>('0' + ChiffreJeton[static_cast<std::size_t>(jeton)]));
        ++chevalet.nombreJetons;
        if (estJoker(jeton)) ++chevalet.nombreJokers;
        partie.jetonSelectionne = static_cast<std::uint8_t>(jeton);
        RemettreAuChevalet(partie, true);
    }
    return chevalet;
}

// Each line of a word file without its CR LF (or LF alone).
template <class Fonction>
void pourChaqueMot(std::string_view contenu, Fonction&& f) {
    while (!contenu.empty()) {
        const std::size_t finLigne = std::min(contenu.find('\n'), contenu.size());
        std::string_view mot = contenu.substr(0, finLigne);
        contenu.remove_prefix(std::min(finLigne + 1, contenu.size()));
        if (!mot.empty() && mot.back() == '\r') mot.remove_suffix(1);
        if (!mot.empty()) f(mot);
    }
}

int possibilitesValides(const ModeleOrdinateur& modele, int nombreMax) {
    int total = 0;
    for (int n = 1; n <= nombreMax; ++n) {
        for (const Possibilite& record : liste(modele, n)) total += record.valide == 1 ? 1 : 0;
    }
    return total;
}

class RechercheDeCoups {
public:
    RechercheDeCoups(Jeu& jeuEnCours, ModeleOrdinateur& modeleOrdinateur, ChevaletDeRecherche chevaletLu)
        : jeu(jeuEnCours),
          partie(jeuEnCours.partie),
          modele(modeleOrdinateur),
          chevalet(std::move(chevaletLu)),
          lignes(modeleOrdinateur) {}

    // False when a stop was asked before the end of the list.
    bool parcourirListe(int nombre) {
        const std::vector<Possibilite>& records = liste(modele, nombre);
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (arretDemande(partie)) return false;
            if (records[i].valide == 1) traiterPossibilite(records[i], nombre);
            jeu.vue.TraiterEvenements();
        }
        return true;
    }

    // After the seven-tile moves: whether the search goes on to shorter ones.
    enum class Suite { continuer, terminee, refusee };
    Suite apresSeptLettres() {
        if (modele.ListeCoups.empty()) return Suite::continuer;
        const bool ordinateur = estSiegeOrdinateur(partie);
        if (ordinateur && captionNiveauCourante(partie) == niveauSeptLettres) return Suite::terminee;
        if (ordinateur || chevalet.nombreJokers == 0) return Suite::continuer;
        const Reponse reponse =
            jeu.vue.PoserQuestion(std::string(messages::continuerRecherche), std::string(messages::titreMotsDe7));
        return reponse == Reponse::non ? Suite::refusee : Suite::continuer;
    }

    int nombreJetons() const { return chevalet.nombreJetons; }

private:
    void traiterPossibilite(const Possibilite& record, int nombre) {
        std::optional<Placement> placement = placementDuRecord(partie, record, nombre);
        if (placement && LireFichierMots(jeu, record.numeroFichier, contenuFichier)) {
            pourChaqueMot(contenuFichier, [&](std::string_view mot) { essayerMot(mot, record.motif, *placement); });
        }
        partie.fenetre.modifier([this](EtatControles& e) {
            for (LigneMot& ligne : nouvellesLignes) e.memo1.push_back(std::move(ligne));
            ++e.progression;
        });
        nouvellesLignes.clear();
        jeu.vue.ActualiserControles();
    }

    void essayerMot(std::string_view mot, std::string_view motif, Placement& placement) {
        if (!apparierAuChevalet(mot, motif, chevalet, placement)) return;
        lignes.ecrire(placement);
        const std::int32_t points = EvaluerPlacement(lignes, jeu.trie, placement);
        if (points != 0) lister(placement, points + (placement.nombre == tailleChevalet ? bonusSeptJetons : 0));
        lignes.effacer(placement);
    }

    // A move reached through two possibilities is listed once.
    void lister(const Placement& placement, std::int32_t total) {
        std::string texte = texteDuCoup(placement);
        if (!dejaListes.insert(texte).second) return;
        modele.ListeCoups.push_back(std::move(texte));
        modele.ListePoints.push_back(std::to_string(total));
        nouvellesLignes.push_back(ligneDuMemo(lignes, placement, total));
    }

    Jeu& jeu;
    Partie& partie;
    ModeleOrdinateur& modele;
    const ChevaletDeRecherche chevalet;
    LignesDeTravail lignes;
    std::string contenuFichier;  // kept from file to file so that its storage is reused
    std::unordered_set<std::string> dejaListes;
    std::vector<LigneMot> nouvellesLignes;
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
    if (partie.joueurCourant < 1 || partie.joueurCourant > nbSiegesMax) return false;

    repartirDeZero(partie, modele);
    RechercheDeCoups recherche(jeu, modele, reprendreChevalet(partie));
    jeu.vue.Rafraichir();
    preparerProgression(partie, possibilitesValides(modele, recherche.nombreJetons()));
    jeu.vue.ActualiserControles();

    for (int nombre = tailleChevalet; nombre >= 1; --nombre) {
        if (nombre <= recherche.nombreJetons() && !recherche.parcourirListe(nombre)) return false;
        if (nombre != tailleChevalet) continue;
        const auto suite = recherche.apresSeptLettres();
        if (suite == RechercheDeCoups::Suite::refusee) {
            fixerProgression(partie, 0);
            return false;
        }
        if (suite == RechercheDeCoups::Suite::terminee) break;
    }
    fixerProgression(partie, 0);
    jeu.vue.ActualiserControles();
    return true;
}

}  // namespace glyphane
