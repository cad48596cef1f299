#include "console/session_partie.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "console/lecture.h"
#include "engine/boutons.h"
#include "engine/chevalet.h"
#include "engine/evaluation.h"
#include "engine/nouvelle_partie.h"
#include "engine/regles.h"

namespace glyphane::console {

namespace {

struct ErreurCommande : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void exigerArguments(const std::vector<std::string>& arguments, std::size_t nombre, const std::string& usage) {
    if (arguments.size() != nombre) throw ErreurCommande("usage : " + usage);
}

int siege(const Partie& partie) { return partie.joueurCourant; }

bool partieCommencee(const Partie& partie) { return partie.joueurCourant != 0 && partie.distributionFaite == 1; }

// A blank shows its letter in capitals, or "?" while it has none.
char caractereDuJeton(const Partie& partie, int jeton) {
    const char lettre = partie.LettreJeton[static_cast<std::size_t>(jeton)];
    if (estJoker(jeton) && lettre != lettreInconnue) return static_cast<char>(lettre - 'a' + 'A');
    return lettre;
}

bool dansLeChevalet(const Partie& partie, int casier) {
    const int jeton = partie.chevalet.caseChevalet[siege(partie)][casier];
    return jeton != 0 && partie.chevalet.caseDuJeton[siege(partie)][static_cast<std::size_t>(jeton)] == casier;
}

std::string lettresDuChevalet(const Partie& partie) {
    std::string lettres;
    for (int j = 1; j <= tailleChevalet; ++j) {
        lettres += dansLeChevalet(partie, j)
                       ? caractereDuJeton(partie, partie.chevalet.caseChevalet[siege(partie)][j])
                       : '.';
    }
    return lettres;
}

std::string ligneDuPlateau(const Partie& partie, int y) {
    std::string ligne;
    for (int x = 1; x <= tailleGrille; ++x) {
        const int jeton = partie.plateau.grilleJeu[x][y];
        ligne += jeton == 0 ? '.' : caractereDuJeton(partie, jeton);
    }
    return ligne;
}

std::size_t nouveauxJetons(const Plateau& plateau) {
    std::size_t nombre = 0;
    for (int x = 1; x <= tailleGrille; ++x) {
        for (int y = 1; y <= tailleGrille; ++y) {
            if (plateau.grilleJeu[x][y] != 0 && plateau.grilleFixe[x][y] == 0) ++nombre;
        }
    }
    return nombre;
}

// A rack tile carrying the letter ("?" for a blank) in a slot not yet taken.
int jetonDuChevalet(const Partie& partie, char lettre, std::array<bool, tailleChevalet + 1>& pris) {
    for (int j = 1; j <= tailleChevalet; ++j) {
        if (pris[j] || !dansLeChevalet(partie, j)) continue;
        const int jeton = partie.chevalet.caseChevalet[siege(partie)][j];
        const bool convient = lettre == lettreInconnue
                                  ? estJoker(jeton)
                                  : !estJoker(jeton) && partie.LettreJeton[static_cast<std::size_t>(jeton)] == lettre;
        if (!convient) continue;
        pris[j] = true;
        return jeton;
    }
    return 0;
}

}  // namespace

SessionPartie::SessionPartie(Jeu& jeuConsole, VueConsole& vueConsole, std::ostream& sortieConsole)
    : jeu(jeuConsole), vue(vueConsole), sortie(sortieConsole) {}

void SessionPartie::executer(const std::string& ligne) {
    using Commande = void (SessionPartie::*)(const Arguments&);
    static constexpr std::array<std::pair<std::string_view, Commande>, 9> commandes{{
        {"nouvelle", &SessionPartie::nouvelle},
        {"chevalet", &SessionPartie::chevalet},
        {"etat", &SessionPartie::etat},
        {"poser", &SessionPartie::poser},
        {"joker", &SessionPartie::joker},
        {"jouer", &SessionPartie::jouer},
        {"reprendre", &SessionPartie::reprendre},
        {"echanger", &SessionPartie::echanger},
        {"passer", &SessionPartie::passer},
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
}

void SessionPartie::exigerPartieEnCours() const {
    if (!partieCommencee(jeu.partie)) throw ErreurCommande("aucune partie en cours (tapez nouvelle)");
    if (jeu.partie.partieFinie == partieTerminee) throw ErreurCommande("la partie est finie");
}

void SessionPartie::exigerTourHumain() const {
    exigerPartieEnCours();
    if (jeu.partie.estOrdinateur[siege(jeu.partie)] != 0) throw ErreurCommande("c'est à l'ordinateur de jouer");
}

void SessionPartie::exigerBouton(const Controle& bouton, const char* nom) const {
    if (jeu.partie.fenetre.copie().cacheLettres.visible) {
        throw ErreurCommande("le chevalet est caché (tapez chevalet pour le voir)");
    }
    if (!bouton.visible || !bouton.actif) throw ErreurCommande(std::string("le bouton ") + nom + " est indisponible");
}

void SessionPartie::afficherPoints() { sortie << "points " << jeu.partie.fenetre.copie().epointsdutour << '\n'; }

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
    vue.preparerPartie(sieges, choix);
    NouvellePartie(jeu);
}

void SessionPartie::chevalet(const Arguments& arguments) {
    exigerArguments(arguments, 0, "chevalet");
    if (!partieCommencee(jeu.partie)) throw ErreurCommande("aucune partie en cours (tapez nouvelle)");
    if (jeu.partie.fenetre.copie().cacheLettres.visible) CacheLettresClick(jeu);
    sortie << lettresDuChevalet(jeu.partie) << '\n';
}

void SessionPartie::etat(const Arguments& arguments) {
    exigerArguments(arguments, 0, "etat");
    const Partie& partie = jeu.partie;
    for (int y = 1; y <= tailleGrille; ++y) {
        sortie << static_cast<char>('A' + y - 1) << ' ' << ligneDuPlateau(partie, y) << '\n';
    }
    sortie << "tour " << partie.numeroTour << '\n';
    sortie << "joueur " << siege(partie) << (siege(partie) != 0 ? " " + partie.nom[siege(partie)] : "") << '\n';
    sortie << "sac " << partie.fenetre.copie().enbLettreDispo << '\n';
    sortie << "scores";
    for (int s = 1; s <= partie.nbJoueurs; ++s) sortie << ' ' << partie.score[s];
    sortie << '\n' << "fini " << (partie.partieFinie == partieTerminee ? "oui" : "non") << '\n';
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
    if (!jeton || !estJoker(*jeton) || partie.chevalet.caseDuJeton[siege(partie)][static_cast<std::size_t>(*jeton)] == 0) {
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
    JouerClick(jeu);
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
    if (controles.captionEchange == captionPasser) throw ErreurCommande("le sac est vide (tapez passer)");
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
    EchangeClick(jeu);
    for (const int jeton : jetons) {
        if (!MettreALEchange(jeu, jeton)) {
            AnnulerEchangeClick(jeu);
            return;
        }
    }
    OkChangementClick(jeu);
}

void SessionPartie::passer(const Arguments& arguments) {
    exigerArguments(arguments, 0, "passer");
    exigerTourHumain();
    const EtatControles controles = jeu.partie.fenetre.copie();
    exigerBouton(controles.echange, "Passer un tour");
    if (controles.captionEchange != captionPasser) {
        throw ErreurCommande("on ne peut passer qu'une fois le sac vide (tapez echanger)");
    }
    EchangeClick(jeu);
}

}  // namespace glyphane::console
