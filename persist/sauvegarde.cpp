#include "persist/sauvegarde.h"

#include <optional>
#include <string_view>
#include <system_error>

#include "engine/messages.h"
#include "lexicon/texte_windows.h"
#include "persist/ecriture_sauvegarde.h"
#include "persist/partie_sauvegardee.h"
#include "persist/remplacement_fichier.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

// While the game goes on, the computer's turn owns the model: a game is saved on
// a human's turn only. A finished game has no turn left.
bool sauvegardePossible(const Partie& partie) {
    const Deroulement& deroulement = partie.deroulement;
    if (deroulement.distributionFaite() == 0 || deroulement.joueurCourant() == 0) return false;
    const bool ordinateur = partie.sieges.estOrdinateur()[deroulement.joueurCourant()] != 0;
    return deroulement.partieFinie() == partieTerminee || !ordinateur;
}

void activerFenetre(Partie& partie, bool active) {
    partie.fenetre.modifier([active](EtatControles& e) { e.fenetreActive = active; });
}

std::optional<fs::path> choisirFichier(Jeu& jeu) {
    const std::optional<std::string> nom = jeu.vue.DemanderFichierSauvegarde();
    if (!nom || nom->empty()) return std::nullopt;
    return fs::path(NomDeSauvegarde(*nom));
}

// An existing file is replaced only once the player agrees, warned when it is
// not a saved game.
bool remplacementAccepte(Jeu& jeu, const fs::path& fichier) {
    std::error_code erreur;
    if (!fs::exists(fichier, erreur)) return true;
    // What cannot be read (a FIFO, a device, a huge file) is no saved game: the
    // player is asked all the same.
    const auto lignes = texte::lireLignes(fichier);
    const bool sauvegarde = lignes && !lignes->empty() && lignes->front() == enTeteSauvegarde;
    const std::string_view question = sauvegarde ? messages::remplacerSauvegarde : messages::remplacerAutreFichier;
    return jeu.vue.PoserQuestion(std::string(question), std::string(messages::titreAttention)) == Reponse::oui;
}

}  // namespace

std::string NomDeSauvegarde(const std::string& nomChoisi) {
    const bool termine = nomChoisi.size() >= extensionSauvegarde.size() &&
                         std::string_view(nomChoisi).substr(nomChoisi.size() - extensionSauvegarde.size()) ==
                             extensionSauvegarde;
    return termine ? nomChoisi : nomChoisi + std::string(extensionSauvegarde);
}

bool EnregistrerPartie(const Partie& partie, const fs::path& fichier) {
    return RemplacerFichier(fichier, ContenuSauvegarde(partie));
}

void sauvegarderPartie(Jeu& jeu) {
    Partie& partie = jeu.partie;
    if (!sauvegardePossible(partie)) return;
    activerFenetre(partie, false);
    const std::optional<fs::path> fichier = choisirFichier(jeu);
    if (fichier && remplacementAccepte(jeu, *fichier) && !EnregistrerPartie(partie, *fichier)) {
        jeu.vue.AfficherMessage(std::string(messages::sauvegardeEchouee), std::string(messages::titreErreur));
    }
    activerFenetre(partie, true);
    jeu.vue.Rafraichir();
}

}  // namespace glyphane
