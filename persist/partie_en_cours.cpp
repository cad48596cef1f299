#include "persist/partie_en_cours.h"

#include <cstdio>
#include <system_error>
#include <utility>
#include <variant>

#include "engine/messages.h"
#include "lexicon/texte_windows.h"
#include "persist/chargement.h"
#include "persist/lecture_sauvegarde.h"
#include "persist/sauvegarde.h"

namespace glyphane {

namespace fs = std::filesystem;

namespace {

fs::path partieEnCours(const fs::path& dossier) { return dossier / std::string(nomPartieEnCours); }

bool existe(const fs::path& fichier) {
    std::error_code erreur;
    return fs::exists(fichier, erreur);
}

// A file that cannot be read, or is larger than any saved game, holds none, as
// in the load dialog.
std::string lire(const fs::path& fichier) {
    return texte::lireOctets(fichier, tailleMaxSauvegarde).value_or(std::string());
}

bool sauvegardeLisible(const std::string& contenu) {
    return std::holds_alternative<PartieSauvegardee>(LireSauvegarde(contenu));
}

bool mettreDeCote(const fs::path& dossier) {
    const fs::path endommagee = dossier / std::string(nomPartieEndommagee);
    return std::rename(partieEnCours(dossier).c_str(), endommagee.c_str()) == 0;
}

}  // namespace

SauvegardeAutomatique::SauvegardeAutomatique(const fs::path& dossierProgramme, Vue& vueDuJeu)
    : dossier(dossierProgramme), vue(vueDuJeu) {}

// Looked at once: from then on only this program writes the file. A damaged
// file that cannot be set aside keeps the auto-save away.
bool SauvegardeAutomatique::fichierANous() {
    if (!examine) {
        const fs::path fichier = partieEnCours(dossier);
        examine = !existe(fichier) || sauvegardeLisible(lire(fichier)) || mettreDeCote(dossier);
    }
    return examine;
}

void SauvegardeAutomatique::tourTermine(const Partie& partie) {
    if (fichierANous() && EnregistrerPartie(partie, partieEnCours(dossier))) {
        echecSignale = false;
        return;
    }
    if (!echecSignale) {
        vue.AfficherMessage(std::string(messages::sauvegardeEchouee), std::string(messages::titreErreur));
    }
    echecSignale = true;
}

// A file left behind would only offer a finished game: there is nothing to tell.
void SauvegardeAutomatique::partieFinie() {
    if (!fichierANous()) return;
    std::error_code erreur;
    fs::remove(partieEnCours(dossier), erreur);
}

PartieInterrompue ChercherPartieInterrompue(Jeu& jeu) {
    const fs::path fichier = partieEnCours(jeu.dossier);
    if (!existe(fichier)) return {};
    std::string contenu = lire(fichier);
    const auto lecture = LireSauvegarde(contenu);
    if (const auto* partie = std::get_if<PartieSauvegardee>(&lecture)) {
        if (partie->partieFinie == partieTerminee) return {};
        return {EtatReprise::aReprendre, std::move(contenu)};
    }
    ouvrirContenuSauvegarde(jeu, contenu);
    mettreDeCote(jeu.dossier);
    return {EtatReprise::endommagee, {}};
}

}  // namespace glyphane
