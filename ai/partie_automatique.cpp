#include "ai/partie_automatique.h"

#include "ai/niveaux.h"
#include "engine/nouvelle_partie.h"
#include "lexicon/fichiers_recherche.h"

namespace glyphane {

ChoixNoms VueAutomatique::DemanderNoms(int nbJoueurs, bool styleOuvert) {
    ChoixNoms choix;
    choix.ok = true;
    choix.styleOuvert = styleOuvert;
    for (int siege = 1; siege <= nbJoueurs && siege <= nbSiegesMax; ++siege) choix.ordinateur[siege] = true;
    return choix;
}

PartieAutomatique::PartieAutomatique(LexiconTrie& trie, const std::filesystem::path& dossier,
                                     std::optional<std::uint64_t> graine)
    : hasard(graine),
      jeu(trie, vue, hasard, cadence, dossier),
      joueur(
          jeu, [this](Jeu& jeuEnCours, ModeleOrdinateur& modele) { journal.jouerTour(jeuEnCours, modele); },
          [this](Duree duree) { noterMiseAJour(duree); }) {}

bool PartieAutomatique::fixerNiveau(int niveau) { return glyphane::fixerNiveau(jeu.partie, niveau); }

ResultatPartie PartieAutomatique::jouer(int sieges) {
    vue.sieges = sieges;
    NouvellePartie(jeu);
    joueur.attendreInactivite();
    const Partie& partie = jeu.partie;
    ResultatPartie resultat;
    resultat.tours = journal.prendreTours();
    const ScoresDesSieges& scores = partie.deroulement.score();
    resultat.scores.assign(scores.begin() + 1, scores.begin() + 1 + partie.sieges.nbJoueurs());
    resultat.fichiers = joueur.modeleOrdinateur().compteurFichiers - (premierFichierTemporaire - 1);
    resultat.finie = partie.deroulement.partieFinie() == partieTerminee;
    return resultat;
}

void PartieAutomatique::noterMiseAJour(Duree duree) {
    std::lock_guard garde(verrou);
    misesAJour.push_back(duree);
}

std::vector<PartieAutomatique::Duree> PartieAutomatique::dureesMiseAJour() {
    std::lock_guard garde(verrou);
    return misesAJour;
}

}  // namespace glyphane
