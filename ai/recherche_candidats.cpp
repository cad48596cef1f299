#include "ai/recherche_candidats.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "engine/jetons.h"

namespace glyphane {

namespace {

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

class RechercheDeCandidats {
public:
    RechercheDeCandidats(const Grille& grille, const ChevaletDeRecherche& chevaletLu, const ModeleOrdinateur& modeleLu,
                         const LexiconTrie& trieLu, const LecteurFichiersMots& lecteur, SuiviRecherche& suiviDonne)
        : grilleFixe(grille), chevalet(chevaletLu), modele(modeleLu), trie(trieLu), lireFichier(lecteur),
          suivi(suiviDonne), lignes(modeleLu) {}

    // False when the watcher stopped it before the end of the list.
    bool parcourirListe(int nombre) {
        for (const Possibilite& record : modele.Possibilites[static_cast<std::size_t>(nombre)]) {
            if (!suivi.continuer()) return false;
            const std::size_t avant = trouves.size();
            if (record.valide == 1) traiterPossibilite(record, nombre);
            suivi.apresRecord(record.valide == 1, std::span<const Candidat>(trouves).subspan(avant));
        }
        return true;
    }

    std::vector<Candidat> trouves;

private:
    void traiterPossibilite(const Possibilite& record, int nombre) {
        std::optional<Placement> placement = placementDuRecord(grilleFixe, record, nombre);
        if (!placement || !lireFichier(record.numeroFichier, contenuFichier)) return;
        pourChaqueMot(contenuFichier, [&](std::string_view mot) { essayerMot(mot, record.motif, *placement); });
    }

    void essayerMot(std::string_view mot, std::string_view motif, Placement& placement) {
        if (!apparierAuChevalet(mot, motif, chevalet, placement)) return;
        lignes.ecrire(placement);
        const std::int32_t points = EvaluerPlacement(lignes, trie, placement);
        if (points != 0) lister(placement, points + (placement.nombre == tailleChevalet ? bonusSeptJetons : 0));
        lignes.effacer(placement);
    }

    // A move reached through two possibilities is listed once.
    void lister(const Placement& placement, std::int32_t total) {
        std::string texte = texteDuCoup(placement);
        if (!dejaListes.insert(texte).second) return;
        trouves.push_back({std::move(texte), total, ligneDuMemo(lignes, placement, total)});
    }

    const Grille& grilleFixe;
    const ChevaletDeRecherche& chevalet;
    const ModeleOrdinateur& modele;
    const LexiconTrie& trie;
    const LecteurFichiersMots& lireFichier;
    SuiviRecherche& suivi;
    LignesDeTravail lignes;
    std::string contenuFichier;  // kept from file to file so that its storage is reused
    std::unordered_set<std::string> dejaListes;
};

}  // namespace

CandidatsTrouves ChercherCandidats(const Grille& grilleFixe, const ChevaletDeRecherche& chevalet,
                                    const ModeleOrdinateur& modele, const LexiconTrie& trie,
                                    const LecteurFichiersMots& lireFichier, SuiviRecherche* suivi) {
    SuiviRecherche sansSuivi;
    SuiviRecherche& suiviRecherche = suivi != nullptr ? *suivi : sansSuivi;
    RechercheDeCandidats recherche(grilleFixe, chevalet, modele, trie, lireFichier, suiviRecherche);
    CandidatsTrouves resultat;
    for (int nombre = tailleChevalet; nombre >= 1; --nombre) {
        if (nombre <= chevalet.nombreJetons && !recherche.parcourirListe(nombre)) {
            resultat.arretee = true;
            break;
        }
        if (nombre == tailleChevalet && !suiviRecherche.apresSeptJetons(recherche.trouves)) break;
    }
    resultat.candidats = std::move(recherche.trouves);
    return resultat;
}

int possibilitesValides(const ModeleOrdinateur& modele, int nombreMax) {
    int total = 0;
    for (int n = 1; n <= nombreMax; ++n) {
        for (const Possibilite& record : modele.Possibilites[static_cast<std::size_t>(n)]) {
            total += record.valide == 1 ? 1 : 0;
        }
    }
    return total;
}

}  // namespace glyphane
