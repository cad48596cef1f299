#include "console/session_partie.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "ai/bilan_partie.h"
#include "ai/liste_mots.h"
#include "ai/niveaux.h"
#include "ai/voir_coup.h"
#include "console/lecture.h"
#include "engine/boutons.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/nouvelle_partie.h"
#include "engine/regles.h"
#include "engine/tirage.h"
#include "persist/chargement.h"
#include "persist/partie_en_cours.h"
#include "persist/revoir.h"
#include "persist/sauvegarde.h"

namespace glyphane::console {

namespace {

struct ErreurCommande : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void exigerArguments(const std::vector<std::string>& arguments, std::size_t nombre, const std::string& usage) {
    if (arguments.size() != nombre) throw ErreurCommande("usage : " + usage);
}

int siege(const Partie& partie) { return partie.deroulement.joueurCourant(); }

bool partieCommencee(const Partie& partie) { return siege(partie) != 0 && partie.deroulement.distributionFaite() == 1; }

void exigerDisponible(const Controle& bouton, const std::string& nom) {
    if (!bouton.visible || !bouton.actif) throw ErreurCommande("le bouton " + nom + " est indisponible");
}

// A blank shows its letter in capitals, or "?" while it has none.
char caractereDuJeton(const Partie& partie, int jeton) {
    const char lettre = partie.plateau.LettreJeton()[static_cast<std::size_t>(jeton)];
    if (estJoker(jeton) && lettre != lettreInconnue) return static_cast<char>(lettre - 'a' + 'A');
    return lettre;
}

bool dansLeChevalet(const Partie& partie, int casier) {
    const int jeton = partie.chevalet.caseChevalet()[siege(partie)][casier];
    return jeton != 0 && partie.chevalet.caseDuJeton()[siege(partie)][static_cast<std::size_t>(jeton)] == casier;
}

std::string lettresDuChevalet(const Partie& partie) {
    std::string lettres;
    for (int j = 1; j <= tailleChevalet; ++j) {
        lettres += dansLeChevalet(partie, j)
                       ? caractereDuJeton(partie, partie.chevalet.caseChevalet()[siege(partie)][j])
                       : '.';
    }
    return lettres;
}

// The board as the window shows it: in replay, the tiles of the moves reached.
std::string ligneDuPlateau(const Partie& partie, int y) {
    std::string ligne;
    for (int x = 1; x <= tailleGrille; ++x) {
        const int jeton = partie.plateau.grilleJeu()[x][y];
        const bool montre = jeton != 0 && partie.ecran.images[static_cast<std::size_t>(jeton)].visible;
        ligne += montre ? caractereDuJeton(partie, jeton) : '.';
    }
    return ligne;
}

std::size_t nouveauxJetons(const Plateau& plateau) {
    std::size_t nombre = 0;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (plateau.grilleJeu()[x][y] != 0 && plateau.grilleFixe()[x][y] == 0) ++nombre;
        }
    }
    return nombre;
}

// A rack tile carrying the letter ("?" for a blank) in a slot not yet taken.
int jetonDuChevalet(const Partie& partie, char lettre, std::array<bool, tailleChevalet + 1>& pris) {
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (pris[j] || !dansLeChevalet(partie, j)) continue;
        const int jeton = partie.chevalet.caseChevalet()[siege(partie)][j];
        const bool convient = lettre == lettreInconnue
                                  ? estJoker(jeton)
                                  : !estJoker(jeton) && caractereDuJeton(partie, jeton) == lettre;
        if (!convient) continue;
        pris[j] = true;
        return jeton;
    }
    return 0;
}

}  // namespace

SessionPartie::SessionPartie(Jeu& jeuConsole, VueConsole& vueConsole, std::ostream& sortieConsole,
                             JoueurOrdinateur& joueurOrdinateur, JournalDesTours& journalDesTours)
    : jeu(jeuConsole), vue(vueConsole), sortie(sortieConsole), ordinateur(joueurOrdinateur), journal(journalDesTours) {}

void SessionPartie::executer(const std::string& ligne) {
    using Commande = void (SessionPartie::*)(const Arguments&);
    static constexpr std::array<std::pair<std::string_view, Commande>, 21> commandes{{
        {"nouvelle", &SessionPartie::nouvelle},
        {"chevalet", &SessionPartie::chevalet},
        {"etat", &SessionPartie::etat},
        {"poser", &SessionPartie::poser},
        {"joker", &SessionPartie::joker},
        {"jouer", &SessionPartie::jouer},
        {"reprendre", &SessionPartie::reprendre},
        {"echanger", &SessionPartie::echanger},
        {"passer", &SessionPartie::passer},
        {"ordi", &SessionPartie::ordi},
        {"niveau", &SessionPartie::niveau},
        {"liste", &SessionPartie::liste},
        {"voir", &SessionPartie::voir},
        {"choisir", &SessionPartie::choisir},
        {"sauver", &SessionPartie::sauver},
        {"charger", &SessionPartie::charger},
        {"recuperer", &SessionPartie::recuperer},
        {"debut", &SessionPartie::debut},
        {"precedent", &SessionPartie::precedent},
        {"suivant", &SessionPartie::suivant},
        {"bilan", &SessionPartie::bilan},
    }};
    const std::vector<std::string> mots = motsDeLaLigne(ligne);
    if (mots.empty()) return;
    const auto commande = std::find_if(commandes.begin(), commandes.end(),
                                       [&](const auto& c) { return c.first == mots[0]; });
    if (commande == commandes.end()) {
        vue.erreur("commande inconnue : " + mots[0]);
        return;
    }
    try {
        (this->*commande->second)(Arguments(mots.begin() + 1, mots.end()));
    } catch (const ErreurCommande& e) {
        vue.erreur(e.what());
    }
    // The command may have handed the turn to the computer seats or started the
    // possibility update; their threads own the model until they are done.
    ordinateur.attendreInactivite();
}

void SessionPartie::exigerPartieEnCours() const {
    if (!partieCommencee(jeu.partie)) throw ErreurCommande("aucune partie en cours (tapez nouvelle)");
    if (jeu.partie.deroulement.partieFinie() == partieTerminee) throw ErreurCommande("la partie est finie");
}

void SessionPartie::exigerTourHumain() const {
    exigerPartieEnCours();
    const Sieges& sieges = jeu.partie.sieges;
    if (sieges.estOrdinateur()[siege(jeu.partie)] != 0) throw ErreurCommande("c'est à l'ordinateur de jouer");
}

void SessionPartie::exigerChevaletVisible() const {
    if (jeu.partie.fenetre.copie().cacheLettres.visible) {
        throw ErreurCommande("le chevalet est caché (tapez chevalet pour le voir)");
    }
}

void SessionPartie::exigerBouton(const Controle& bouton, const char* nom) const {
    exigerChevaletVisible();
    exigerDisponible(bouton, nom);
}

void SessionPartie::afficherPoints() { sortie << "points " << jeu.partie.fenetre.copie().epointsdutour << '\n'; }

void SessionPartie::afficherListe() {
    const std::vector<LigneMot> lignes = jeu.partie.fenetre.copie().memo1;
    sortie << "liste " << lignes.size() << '\n';
    for (std::size_t k = 0; k < lignes.size(); ++k) sortie << k + 1 << ' ' << lignes[k].texte << '\n';
}

void SessionPartie::nouvelle(const Arguments& arguments) {
    const std::string usage = "nouvelle [--ferme] SIEGE... (SIEGE : humain:NOM ou ordi, quatre au plus)";
    ChoixNoms choix;
    choix.ok = true;
    int sieges = 0;
    for (const std::string& argument : arguments) {
        if (argument == "--ferme") {
            choix.styleOuvert = false;
            continue;
        }
        if (++sieges > nbSiegesMax) throw ErreurCommande("usage : " + usage);
        if (argument == "ordi") {
            choix.ordinateur[sieges] = true;
        } else if (argument.rfind("humain:", 0) == 0) {
            choix.noms[sieges] = argument.substr(std::string_view("humain:").size());
        } else {
            throw ErreurCommande("siège inconnu : " + argument + " ; usage : " + usage);
        }
    }
    if (sieges == 0) throw ErreurCommande("usage : " + usage);
    // The window offers a new game only between games, never over one in progress.
    exigerDisponible(jeu.partie.fenetre.copie().commencer, "Nouvelle partie");
    vue.preparerPartie(sieges, choix);
    // "ordi" prints the turns of the game being played only.
    journal.prendreTours();
    NouvellePartie(jeu);
}

void SessionPartie::chevalet(const Arguments& arguments) {
    exigerArguments(arguments, 0, "chevalet");
    if (!partieCommencee(jeu.partie)) throw ErreurCommande("aucune partie en cours (tapez nouvelle)");
    if (jeu.partie.fenetre.copie().cacheLettres.visible) decouvrirChevalet(jeu);
    sortie << lettresDuChevalet(jeu.partie) << '\n';
}

void SessionPartie::etat(const Arguments& arguments) {
    exigerArguments(arguments, 0, "etat");
    const Partie& partie = jeu.partie;
    for (int y = 1; y <= tailleGrille; ++y) {
        sortie << static_cast<char>('A' + y - 1) << ' ' << ligneDuPlateau(partie, y) << '\n';
    }
    sortie << "tour " << partie.deroulement.numeroTour() << '\n';
    const std::string nom = siege(partie) != 0 ? " " + partie.sieges.nom()[siege(partie)] : "";
    sortie << "joueur " << siege(partie) << nom << '\n';
    sortie << "sac " << partie.fenetre.copie().enbLettreDispo << '\n';
    sortie << "scores";
    for (int s = 1; s <= partie.sieges.nbJoueurs(); ++s) sortie << ' ' << partie.deroulement.score()[s];
    sortie << '\n' << "fini " << (partie.deroulement.partieFinie() == partieTerminee ? "oui" : "non") << '\n';
}

// All the letters or none: a text the rack cannot lay in full leaves the board
// as it was.
void SessionPartie::poser(const Arguments& arguments) {
    exigerArguments(arguments, 1, "poser LETTRES;CASES (une colonne et une ligne A..O par lettre)");
    exigerTourHumain();
    exigerBouton(jeu.partie.fenetre.copie().jouer, "Jouer");
    Partie& partie = jeu.partie;
    const std::string& texte = arguments[0];
    if (!PoserTexteDeCoup(partie, texte)) throw ErreurCommande("texte de coup invalide : " + texte);
    const std::size_t attendus = std::min<std::size_t>(texte.find(';'), tailleChevalet);
    if (nouveauxJetons(partie.plateau) != attendus) {
        RetirerCoup(partie);
        EvaluerCoup(partie);
        throw ErreurCommande("lettre absente du chevalet, ou case prise ou hors du plateau : " + texte);
    }
    EvaluerCoup(partie);
    afficherPoints();
}

void SessionPartie::joker(const Arguments& arguments) {
    exigerArguments(arguments, 2, "joker 27|47 LETTRE");
    exigerTourHumain();
    Partie& partie = jeu.partie;
    const std::optional<int> jeton = lireEntier(arguments[0]);
    const auto& casiers = partie.chevalet.caseDuJeton()[siege(partie)];
    if (!jeton || !estJoker(*jeton) || casiers[static_cast<std::size_t>(*jeton)] == 0) {
        throw ErreurCommande("le joker " + arguments[0] + " n'est pas au chevalet (27 ou 47)");
    }
    const std::optional<char> lettre = lireLettre(arguments[1]);
    if (!lettre) throw ErreurCommande("une lettre de a à z est attendue : " + arguments[1]);
    DonnerLettreJoker(partie, *jeton, *lettre);
    EvaluerCoup(partie);
    afficherPoints();
}

void SessionPartie::jouer(const Arguments& arguments) {
    exigerArguments(arguments, 0, "jouer");
    exigerTourHumain();
    exigerBouton(jeu.partie.fenetre.copie().jouer, "Jouer");
    jouerCoup(jeu);
}

void SessionPartie::reprendre(const Arguments& arguments) {
    exigerArguments(arguments, 0, "reprendre");
    exigerTourHumain();
    RetirerCoup(jeu.partie);
    EvaluerCoup(jeu.partie);
}

// The exchange panel, a tile dropped on it per letter, then "O&k". Too many
// tiles for the bag brings the rack back: the exchange is then cancelled.
void SessionPartie::echanger(const Arguments& arguments) {
    exigerArguments(arguments, 1, "echanger LETTRES (? pour un joker)");
    exigerTourHumain();
    const EtatControles controles = jeu.partie.fenetre.copie();
    exigerBouton(controles.echange, "Echanger");
    if (sacVide(jeu.partie)) throw ErreurCommande("le sac est vide (tapez passer)");
    const std::string& lettres = arguments[0];
    if (lettres.size() > tailleChevalet) throw ErreurCommande("sept lettres au plus : " + lettres);
    std::array<bool, tailleChevalet + 1> pris{};
    std::vector<int> jetons;
    for (const char c : lettres) {
        const std::optional<char> lettre = c == lettreInconnue ? std::optional<char>(c) : lireLettre(std::string(1, c));
        const int jeton = lettre ? jetonDuChevalet(jeu.partie, *lettre, pris) : 0;
        if (jeton == 0) throw ErreurCommande(std::string("lettre absente du chevalet : ") + c);
        jetons.push_back(jeton);
    }
    ouvrirEchangeOuPasser(jeu);
    for (const int jeton : jetons) {
        if (!MettreALEchange(jeu, jeton)) {
            annulerEchange(jeu);
            return;
        }
    }
    validerEchange(jeu);
}

void SessionPartie::passer(const Arguments& arguments) {
    exigerArguments(arguments, 0, "passer");
    exigerTourHumain();
    const EtatControles controles = jeu.partie.fenetre.copie();
    exigerBouton(controles.echange, "Passer un tour");
    if (!sacVide(jeu.partie)) {
        throw ErreurCommande("on ne peut passer qu'une fois le sac vide (tapez echanger)");
    }
    ouvrirEchangeOuPasser(jeu);
}

// Every command returns once the computer seats have played, so their turns
// are all written down by now.
void SessionPartie::ordi(const Arguments& arguments) {
    exigerArguments(arguments, 0, "ordi");
    for (const TourJoue& tour : journal.prendreTours()) sortie << ligneDuTour(tour) << '\n';
}

void SessionPartie::niveau(const Arguments& arguments) {
    exigerArguments(arguments, 1, "niveau 1..5 (5 : meilleur coup)");
    if (!jeu.partie.fenetre.copie().menuNiveau) throw ErreurCommande("le bouton niveaux est indisponible");
    const std::optional<int> numero = lireEntier(arguments[0]);
    if (!numero || !fixerNiveau(jeu.partie, *numero)) {
        throw ErreurCommande("usage : niveau 1..5 (5 : meilleur coup)");
    }
    sortie << "niveau " << *numero << ' ' << niveauNumero(*numero).hint << '\n';
}

// The window leaves a list that is already shown as it is; the console prints
// it again, as the player would read it again.
void SessionPartie::liste(const Arguments& arguments) {
    exigerArguments(arguments, 0, "liste");
    exigerTourHumain();
    exigerChevaletVisible();
    if (!jeu.partie.fenetre.copie().menuListeDeMot) throw ErreurCommande("le bouton liste de mot possible est indisponible");
    listerMots(jeu, ordinateur.modeleOrdinateur());
    afficherListe();
}

void SessionPartie::voir(const Arguments& arguments) {
    exigerArguments(arguments, 0, "voir");
    exigerTourHumain();
    exigerBouton(jeu.partie.fenetre.copie().jouer, "Jouer");
    if (!jeu.partie.fenetre.copie().menuVoir) throw ErreurCommande("le bouton voir le coup de l'ordi est indisponible");
    voirCoupOrdinateur(jeu, ordinateur.modeleOrdinateur());
    const std::string texte = texteDesJetonsPoses(jeu.partie);
    if (!texte.empty()) sortie << "voir " << texte << ' ' << jeu.partie.fenetre.copie().epointsdutour << '\n';
}

// Only the lines shown can be clicked: after a play or a show the list is empty
// although the candidates behind it remain.
void SessionPartie::choisir(const Arguments& arguments) {
    const std::string usage = "choisir K (K : numéro d'une ligne de la liste, à partir de 1)";
    exigerArguments(arguments, 1, usage);
    exigerTourHumain();
    const std::optional<int> ligne = lireEntier(arguments[0]);
    const std::size_t lignes = jeu.partie.fenetre.copie().memo1.size();
    if (!ligne || *ligne < 1 || static_cast<std::size_t>(*ligne) > lignes) {
        throw ErreurCommande(lignes == 0 ? "aucune liste affichée (tapez liste)" : "usage : " + usage);
    }
    choisirMotDeLaListe(jeu, ordinateur.modeleOrdinateur(), *ligne - 1);
    afficherPoints();
}

// The save dialog is answered with the file named; a question to replace a file
// is read from the next line, as every question.
void SessionPartie::sauver(const Arguments& arguments) {
    exigerArguments(arguments, 1, "sauver FICHIER");
    vue.preparerFichier(arguments[0]);
    if (!jeu.partie.fenetre.copie().menuSauvegarde) throw ErreurCommande("le bouton sauvegarde est indisponible");
    sauvegarderPartie(jeu);
}

void SessionPartie::charger(const Arguments& arguments) {
    exigerArguments(arguments, 1, "charger FICHIER");
    exigerDisponible(jeu.partie.fenetre.copie().partieSauvegarder, "Partie Sauvegardée");
    journal.prendreTours();
    vue.preparerFichier(arguments[0]);
    ouvrirPartieSauvegardee(jeu);
    afficherPartieChargee();
}

// The game kept after the last turn, taken up as "charger" takes up a file.
void SessionPartie::recuperer(const Arguments& arguments) {
    exigerArguments(arguments, 0, "recuperer");
    exigerDisponible(jeu.partie.fenetre.copie().partieSauvegarder, "Partie Sauvegardée");
    journal.prendreTours();
    const PartieInterrompue interrompue = ChercherPartieInterrompue(jeu);
    if (interrompue.etat == EtatReprise::aucune) throw ErreurCommande("aucune partie interrompue à reprendre");
    if (interrompue.etat == EtatReprise::endommagee) return;
    ouvrirContenuSauvegarde(jeu, interrompue.contenu);
    afficherPartieChargee();
}

// A game that goes on may hand the turn to a computer seat at once: the board is
// shown once it has played.
void SessionPartie::afficherPartieChargee() {
    ordinateur.attendreInactivite();
    if (partieCommencee(jeu.partie)) etat({});
}

void SessionPartie::revoir(const Arguments& arguments, const char* commande, void (*pas)(Jeu&)) {
    exigerArguments(arguments, 0, commande);
    if (jeu.partie.fenetre.copie().cacheBoutonRevoir.visible) throw ErreurCommande("aucune partie à revoir");
    pas(jeu);
    etat({});
}

void SessionPartie::debut(const Arguments& arguments) { revoir(arguments, "debut", revoirDebut); }

void SessionPartie::precedent(const Arguments& arguments) { revoir(arguments, "precedent", revoirPrecedent); }

void SessionPartie::suivant(const Arguments& arguments) { revoir(arguments, "suivant", revoirSuivant); }

// Turns whose rack the records cannot give back are left out, of the lines and
// of the totals.
void SessionPartie::bilan(const Arguments& arguments) {
    exigerArguments(arguments, 0, "bilan");
    if (jeu.partie.deroulement.partieFinie() != partieTerminee) {
        throw ErreurCommande("le bilan attend une partie finie (jouée jusqu'au bout ou chargée)");
    }
    for (const std::string& ligne : lignesDuBilan(BilanDePartie(partieARevoir(jeu.partie), jeu.trie))) {
        sortie << ligne << '\n';
    }
}

}  // namespace glyphane::console
