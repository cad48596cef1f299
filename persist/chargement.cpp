#include "persist/chargement.h"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "engine/affichage.h"
#include "engine/attente_mise_a_jour.h"
#include "engine/chevalet.h"
#include "engine/messages.h"
#include "engine/nouvelle_partie.h"
#include "engine/tirage.h"
#include "lexicon/texte_windows.h"
#include "persist/lecture_sauvegarde.h"
#include "persist/revoir.h"

namespace glyphane {

namespace {

std::size_t indice(int n) { return static_cast<std::size_t>(n); }

void signalerDefaut(Jeu& jeu, DefautSauvegarde defaut) {
    const std::string titre(messages::titreErreur);
    const bool enTete = defaut == DefautSauvegarde::pasUneSauvegarde;
    jeu.vue.AfficherMessage(std::string(enTete ? messages::fichierInvalide : messages::sauvegardeEndommagee), titre);
    AfficherSansPartie(jeu.partie);
    jeu.vue.Rafraichir();
}

void appliquerCompteurs(Partie& partie, const PartieSauvegardee& lue) {
    partie.sieges.fixerNombreJoueurs(lue.nbJoueurs);
    ScoresDesSieges scores{};
    LettresDesSieges tirages{};
    for (int s = 1; s <= lue.nbJoueurs; ++s) {
        scores[indice(s)] = lue.sieges[indice(s)].score;
        tirages[indice(s)] = lue.sieges[indice(s)].tirageDistribution;
    }
    const bool finie = lue.partieFinie == partieTerminee;
    partie.deroulement.restaurer(lue.numeroTour, lue.joueurCourant, lue.historique, scores, tirages, finie);
}

// The seats the file does not have keep no rack of an earlier game.
void appliquerSieges(Partie& partie, const PartieSauvegardee& lue) {
    partie.chevalet = Chevalet{};
    for (int s = 1; s <= lue.nbJoueurs; ++s) {
        const SiegeSauvegarde& siege = lue.sieges[indice(s)];
        partie.chevalet.restaurer(s, siege.caseDuJeton, siege.caseOccupee);
        partie.sieges.nommer(s, siege.nom);
        partie.sieges.confierALOrdinateur(s, siege.ordinateur);
    }
}

// Every tile starts off the board; the committed ones then stand on their
// squares, fixed and played, and the computer player's pattern rows learn them.
void poserPlateau(Jeu& jeu, const PartieSauvegardee& lue) {
    Partie& partie = jeu.partie;
    const Grille& grilleFixe = lue.grilleFixe;
    partie.plateau = Plateau{};
    partie.plateau.donnerLettreJoker(jokerA, lue.lettreJokerA);
    partie.plateau.donnerLettreJoker(jokerB, lue.lettreJokerB);
    for (int t = 1; t <= nbJetons; ++t) partie.ecran.images[indice(t)] = ImageJeton{-50, 0, true, true};
    JetonsJoues joues{};
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            const std::size_t t = grilleFixe[indice(x)][indice(y)];
            if (t == 0) continue;
            partie.plateau.poser(static_cast<int>(t), x, y);
            partie.plateau.fixer(x, y);
            const char lettre = partie.plateau.LettreJeton()[t];
            if (jeu.ordinateur != nullptr) jeu.ordinateur->jetonFixe(x, y, lettre, ChiffreJeton[t]);
            const Geometrie& geometrie = partie.ecran.geometrie;
            partie.ecran.images[t] = ImageJeton{geometrie.gaucheCase(x), geometrie.hautCase(y), true, false};
            joues[t] = 1;
        }
    }
    partie.sac.restaurer(lue.jetonsDansSac, joues);
}

void montrerSac(Partie& partie) {
    AfficherJetonsDansSac(partie);
    AfficherBoutonEchange(partie);
}

// Each tile goes to its slot, hidden: a rack stays covered until its owner's
// turn shows it.
void rangerChevalets(Partie& partie) {
    const std::uint8_t courant = partie.deroulement.joueurCourant();
    for (int s = 1; s <= partie.sieges.nbJoueurs(); ++s) {
        partie.deroulement.donnerLaMainA(s);
        for (int t = 1; t <= nbJetons; ++t) {
            if (partie.chevalet.caseDuJeton()[indice(s)][indice(t)] == 0) continue;
            partie.jetonSelectionne = static_cast<std::uint8_t>(t);
            RemettreAuChevalet(partie, false);
            partie.ecran.images[indice(t)].visible = false;
        }
    }
    partie.deroulement.donnerLaMainA(courant);
}

void appliquer(Jeu& jeu, const PartieSauvegardee& lue) {
    Partie& partie = jeu.partie;
    appliquerCompteurs(partie, lue);
    appliquerSieges(partie, lue);
    poserPlateau(jeu, lue);
    montrerSac(partie);
    rangerChevalets(partie);
    SurlignerCoup(partie, partie.deroulement.numeroTour() - 1);
    AfficherChevalet(partie);
    partie.ecran.surlignageDernierCoup = true;
    AfficherDebutPartie(partie);
    EntrerDansPhase(partie, Phase::chargement);
    jeu.vue.Rafraichir();
}

void ouvrirRevoir(Jeu& jeu) {
    Partie& partie = jeu.partie;
    partie.limiteRevoir = partie.deroulement.numeroTour();
    partie.positionRevoir = partie.deroulement.numeroTour();
    EntrerDansPhase(partie, Phase::revue);
    partie.fenetre.modifier([](EtatControles& e) { e.fenetreActive = true; });
    jeu.vue.Rafraichir();
}

// The segments of every occupied square, then their word files, as after a
// move; the window stays alive meanwhile. An empty board has no segment to grow
// from: the first move's records stand in, as in a new game. False when a stop
// came first: whoever asked for it owns the game now.
bool reconstruirePossibilites(Jeu& jeu) {
    Partie& partie = jeu.partie;
    AfficherMiseAJour(partie, true);
    jeu.vue.Rafraichir();
    if (partie.plateau.jetonsSurPlateau() == 0) jeu.ordinateur->reinitialiser(true);
    partie.drapeaux.miseAJourEnCours = 1;
    jeu.ordinateur->miseAJourApresChargement();
    if (!attendreFinMiseAJour(jeu)) return false;
    AfficherMiseAJour(partie, false);
    return true;
}

void reprendrePartie(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (jeu.ordinateur != nullptr && !reconstruirePossibilites(jeu)) return;
    partie.fenetre.modifier([](EtatControles& e) { e.fenetreActive = true; });
    if (partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] == 0) {
        OuvrirTourHumain(partie);
    } else {
        EntrerDansPhase(partie, Phase::ordinateurJoue);
        if (jeu.ordinateur != nullptr) jeu.ordinateur->demarrerTourOrdinateur();
    }
    jeu.vue.Rafraichir();
}

void preparerChargement(Jeu& jeu) {
    Partie& partie = jeu.partie;
    ReinitialiserPartie(jeu, false);
    EntrerDansPhase(partie, Phase::preparation);
    partie.fenetre.modifier([](EtatControles& e) { e.fenetreActive = false; });
    jeu.vue.Rafraichir();
}

}  // namespace

void ChargerPartie(Jeu& jeu, std::string_view contenu) {
    const std::variant<PartieSauvegardee, DefautSauvegarde> lecture = LireSauvegarde(contenu);
    if (const auto* defaut = std::get_if<DefautSauvegarde>(&lecture)) {
        signalerDefaut(jeu, *defaut);
        return;
    }
    appliquer(jeu, std::get<PartieSauvegardee>(lecture));
    if (jeu.partie.deroulement.partieFinie() == partieTerminee) {
        ouvrirRevoir(jeu);
    } else {
        reprendrePartie(jeu);
    }
}

void ouvrirPartieSauvegardee(Jeu& jeu) {
    Partie& partie = jeu.partie;
    preparerChargement(jeu);
    const std::optional<std::string> nom = jeu.vue.DemanderFichierACharger();
    if (!nom || nom->empty()) {
        AfficherSansPartie(partie);
        jeu.vue.Rafraichir();
        return;
    }
    // A file that cannot be read, or is larger than any saved game, holds none.
    ChargerPartie(jeu, texte::lireOctets(*nom, tailleMaxSauvegarde).value_or(std::string()));
}

void ouvrirContenuSauvegarde(Jeu& jeu, std::string_view contenu) {
    preparerChargement(jeu);
    ChargerPartie(jeu, contenu);
}

}  // namespace glyphane
