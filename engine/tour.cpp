#include "engine/tour.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "engine/affichage.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/messages.h"
#include "engine/regles.h"
#include "engine/score.h"
#include "engine/tirage.h"

namespace glyphane {

namespace {

constexpr auto pauseApresCoup = std::chrono::milliseconds(500);
constexpr int centre = 8;  // row H, column 8

bool siegeOrdinateur(const Partie& partie) {
    return partie.sieges.estOrdinateur()[partie.deroulement.joueurCourant()] != 0;
}

bool estNouvelle(const Plateau& plateau, int x, int y) {
    return plateau.grilleJeu()[x][y] != 0 && plateau.grilleFixe()[x][y] == 0;
}

// A tile is in the rack while its slot names it; a tile given back to the bag
// by an exchange is still listed in its slot until the slot is refilled.
bool dansLeChevalet(const Partie& partie, int casier) {
    const int siege = partie.deroulement.joueurCourant();
    const int jeton = partie.chevalet.caseChevalet()[siege][casier];
    return jeton != 0 && partie.chevalet.caseDuJeton()[siege][static_cast<std::size_t>(jeton)] == casier;
}

bool chevaletVide(const Partie& partie) {
    const auto& casiers = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()];
    return std::all_of(casiers.begin() + 1, casiers.end(), [](std::uint8_t jeton) { return jeton == 0; });
}

// The first move and the must-score rules. The first move by a human throws
// away the seed possibilities: the update after it builds them from the board.
bool coupAccepte(Jeu& jeu) {
    if (!CoupRecevable(jeu)) return false;
    Partie& partie = jeu.partie;
    const bool coupHumainJoue = !siegeOrdinateur(partie) && partie.deroulement.distributionFaite() == 1 &&
                                partie.finDeTourSansPoints == 0;
    const bool premierCoup = partie.plateau.jetonsSurPlateau() == 0 && partie.deroulement.numeroTour() == 1;
    if (coupHumainJoue && premierCoup && jeu.ordinateur != nullptr) {
        jeu.ordinateur->oublierModelesPremierCoup();
    }
    return true;
}

// A computer move that misses the centre of an empty board or scores nothing
// does not stand.
void retirerCoupOrdinateurSansPoints(Partie& partie) {
    if (!siegeOrdinateur(partie) || partie.deroulement.distributionFaite() == 0) return;
    if (partie.plateau.grilleJeu()[centre][centre] != 0 && partie.pointsDuCoup != 0) return;
    RetirerCoup(partie);
    partie.finDeTourSansPoints = 1;
    // A move taken back with the bag empty counts as a pass, or the game could
    // never end by passes.
    if (partie.sac.jetonsDansSac() <= 0) partie.deroulement.noterPasse(partie.deroulement.joueurCourant());
}

void ouvrirNouveauTour(Partie& partie) {
    if (partie.deroulement.numeroTour() > 0) partie.grilleDernierCoup = {};
    partie.deroulement.ouvrirTour();
    partie.ecran.surlignageDernierCoup = false;
}

void fixerJeton(Jeu& jeu, int x, int y) {
    Partie& partie = jeu.partie;
    const auto t = static_cast<std::size_t>(partie.plateau.fixer(x, y));
    if (jeu.ordinateur != nullptr) jeu.ordinateur->jetonFixe(x, y, partie.plateau.LettreJeton()[t], ChiffreJeton[t]);
    partie.deroulement.oublierPasses();
    partie.grilleDernierCoup[x][y] = true;
    partie.chevalet.sortir(partie.deroulement.joueurCourant(), static_cast<int>(t));
    partie.sac.marquerJoue(static_cast<int>(t));
    partie.ecran.images[t].deplacable = false;
}

// Commits this turn's tiles in board order and records the move; returns how
// many tiles it committed.
int validerCoup(Jeu& jeu) {
    Partie& partie = jeu.partie;
    Coup& coup = partie.deroulement.coup(partie.deroulement.numeroTour() - 1);
    int poses = 0;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (!estNouvelle(partie.plateau, x, y)) continue;
            fixerJeton(jeu, x, y);
            if (++poses > tailleChevalet) continue;
            coup.colonnes[static_cast<std::size_t>(poses)] = static_cast<std::uint8_t>(x);
            coup.lignes[static_cast<std::size_t>(poses)] = static_cast<std::uint8_t>(y);
        }
    }
    EnregistrerCoup(partie, coup);
    AjouterPointsDuCoup(partie);
    partie.ecran.surlignageDernierCoup = true;
    partie.fenetre.modifier([](EtatControles& e) { e.progression = 0; });
    jeu.vue.Rafraichir();
    return poses;
}

// The record of this seat's next move starts with what its rack keeps; the
// draw appends the rest.
void commencerTirageSuivant(Partie& partie) {
    std::string lettres;
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (!dansLeChevalet(partie, j)) continue;
        const int jeton = partie.chevalet.caseChevalet()[partie.deroulement.joueurCourant()][j];
        lettres += estJoker(jeton) ? lettreInconnue : partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
    }
    if (lettres.size() < tailleChevalet) lettres += '+';
    partie.deroulement.coup(partie.deroulement.numeroTour() - 1 + partie.sieges.nbJoueurs()).tirage = lettres;
}

void libererCasiersVides(Partie& partie) {
    const int siege = partie.deroulement.joueurCourant();
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (partie.chevalet.caseChevalet()[siege][j] == 0) partie.chevalet.libererCasier(siege, j);
    }
}

// After an exchange: the slots whose tile went back to the bag. Returns their count.
int libererCasiersRendus(Partie& partie) {
    const int siege = partie.deroulement.joueurCourant();
    int rendus = 0;
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (partie.chevalet.caseChevalet()[siege][j] == 0 || dansLeChevalet(partie, j)) continue;
        partie.chevalet.libererCasier(siege, j);
        ++rendus;
    }
    return rendus;
}

// Seven tiles for each seat in turn; seat 1 then plays first. Each seat's first
// move is recorded with the letters it was dealt.
void distribuer(Jeu& jeu) {
    Partie& partie = jeu.partie;
    for (int siege = partie.deroulement.joueurCourant(); siege <= partie.sieges.nbJoueurs(); ++siege) {
        partie.deroulement.donnerLaMainA(siege);
        libererCasiersVides(partie);
        Tirer(jeu, std::min<std::int32_t>(tailleChevalet, partie.sac.jetonsDansSac()));
    }
    partie.deroulement.finirDistribution();
    for (int siege = 1; siege <= partie.sieges.nbJoueurs(); ++siege) {
        partie.deroulement.coup(siege).tirage = partie.deroulement.tirageDistribution()[siege];
    }
}

// Refills the rack after a turn and hands over to the next seat. False when the
// player used the last tile of an empty bag: the game is over.
bool remplirEtPasserLaMain(Jeu& jeu, int poses) {
    Partie& partie = jeu.partie;
    int aTirer = std::min(partie.finDeTourSansPoints == 1 ? 0 : poses, partie.sac.jetonsDansSac());
    if (aTirer == 0 && chevaletVide(partie)) {
        AjustementFinal(partie);
        FinDePartie(jeu, finChevaletVide);
        return false;
    }
    if (partie.finDeTourSansPoints == 1) {
        aTirer = std::min(libererCasiersRendus(partie), partie.sac.jetonsDansSac());
    } else {
        libererCasiersVides(partie);
    }
    Tirer(jeu, aTirer);
    partie.deroulement.passerLaMain(partie.sieges.nbJoueurs());
    return true;
}

// Once the bag is empty the exchange button passes; when every seat has passed
// since the last scored move, nobody can play any more.
bool FinParPasses(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!sacVide(partie)) return false;
    AfficherBoutonEchange(partie);
    for (int siege = 1; siege <= partie.sieges.nbJoueurs(); ++siege) {
        if (partie.deroulement.passe()[siege] == 0) return false;
    }
    FinDePartie(jeu, finAucunMouvement);
    FinDePartie(jeu, finSansMessage);
    partie.drapeaux.ordiOccupe = 0;
    jeu.vue.Rafraichir();
    return true;
}

// The computer player rebuilds what it knows of the board around the move; the
// human gets the controls back when that is over.
void lancerMiseAJour(Jeu& jeu, int poses) {
    Partie& partie = jeu.partie;
    AfficherMiseAJour(partie, true);
    jeu.vue.Rafraichir();
    partie.drapeaux.miseAJourEnCours = 1;
    if (partie.sieges.styleOuvert() == 0 || siegeOrdinateur(partie)) jeu.ordinateur->attendreFinMiseAJour();
    jeu.ordinateur->miseAJourApresCoup(poses);
}

void montrerChronoDuTour(Partie& partie) {
    partie.fenetre.modifier([](EtatControles& e) {
        if (!e.chronoParTour) return;
        e.decompteTour = e.limiteChronoTour;
        e.lcj.visible = true;
    });
}

// A human seat gets the controls; a computer seat is played by the computer
// player, when one is linked in.
void donnerLaMain(Jeu& jeu) {
    Partie& partie = jeu.partie;
    const bool arret = partie.drapeaux.arretMiseAJour.load() == 1 || partie.drapeaux.arretDemande.load() == 1;
    if (arret || !siegeOrdinateur(partie)) {
        partie.drapeaux.ordiOccupe = 0;
        OuvrirTourHumain(partie);
        jeu.vue.Rafraichir();
        return;
    }
    EntrerDansPhase(partie, Phase::ordinateurJoue);
    partie.fenetre.modifier([](EtatControles& e) {
        if (e.chronoParTour || e.chronoTotal) e.chronoEnMarche = true;
    });
    // The last look at the model from this thread: once the computer's turn has
    // started, its thread owns the board and the racks.
    jeu.vue.Rafraichir();
    if (jeu.ordinateur != nullptr) jeu.ordinateur->demarrerTourOrdinateur();
}

}  // namespace

void TourSuivant(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (partie.deroulement.partieFinie() == partieTerminee) return;
    if (!coupAccepte(jeu)) return;
    // The move is committed within the turn of whoever made it: a computer's
    // turn goes on, a human's controls stay off until the next seat has its rack.
    const bool distribue = partie.deroulement.distributionFaite() == 1;
    EntrerDansPhase(partie, siegeOrdinateur(partie) && distribue ? Phase::ordinateurJoue : Phase::tourEnCours);
    partie.fenetre.modifier([](EtatControles& e) { e.fenetreActive = true; });
    retirerCoupOrdinateurSansPoints(partie);
    ouvrirNouveauTour(partie);
    const bool coupJoue = distribue && partie.finDeTourSansPoints == 0;
    // An exchange or a pass scores nothing, whatever the tiles left on the board
    // were worth.
    if (distribue && !coupJoue) OublierPointsDuCoup(partie);
    const int poses = coupJoue ? validerCoup(jeu) : 0;
    jeu.cadence.pause(pauseApresCoup);
    if (partie.deroulement.distributionFaite() == 0) {
        distribuer(jeu);
    } else {
        commencerTirageSuivant(partie);
        if (!remplirEtPasserLaMain(jeu, poses)) return;
    }
    partie.finDeTourSansPoints = 0;
    if (FinParPasses(jeu)) return;
    EffacerSuggestion(partie);
    AfficherChevalet(partie);
    // Before the update starts and before the next seat may touch a tile: the
    // model is this thread's alone while the file's content is made from it.
    if (jeu.partieEnCours != nullptr) jeu.partieEnCours->tourTermine(partie);
    if (poses > 0 && jeu.ordinateur != nullptr) lancerMiseAJour(jeu, poses);
    montrerChronoDuTour(partie);
    donnerLaMain(jeu);
}

void FinDePartie(Jeu& jeu, int mode) {
    Partie& partie = jeu.partie;
    EntrerDansPhase(partie, Phase::partieFinie);
    partie.fenetre.modifier([&](EtatControles& e) {
        e.chronoParTour = false;
        e.chronoTotal = false;
        e.chronoEnMarche = false;
        e.progression = 0;
        e.fenetreActive = true;
        // The turn label is away while the message says that nobody can move.
        if (mode == finAucunMouvement) e.ejoueur.visible = false;
    });
    partie.deroulement.terminerPartie();
    if (jeu.partieEnCours != nullptr) jeu.partieEnCours->partieFinie();
    partie.limiteRevoir = partie.deroulement.numeroTour();
    partie.positionRevoir = partie.deroulement.numeroTour();
    jeu.vue.Rafraichir();
    if (mode == finAucunMouvement) {
        jeu.vue.AfficherMessage(std::string(messages::aucunMouvement), std::string(messages::titreGlyphane));
    } else if (mode == finChevaletVide) {
        jeu.vue.AfficherMessage(std::string(messages::vousTerminez), std::string(messages::titreGlyphane));
    }
}

void RejeterCoup(Jeu& jeu) {
    Partie& partie = jeu.partie;
    RemettreChevaletDuTour(partie);
    partie.plateau.retirerPoses();
    partie.finDeTourSansPoints = 1;
    TourSuivant(jeu);
}

}  // namespace glyphane
