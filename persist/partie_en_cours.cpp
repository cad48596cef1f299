#include "persist/partie_en_cours.h"

#include <cstdio>
#include <exception>
#include <system_error>
#include <utility>
#include <variant>

#include "engine/messages.h"
#include "engine/pannes.h"
#include "lexicon/texte_windows.h"
#include "persist/chargement.h"
#include "persist/ecriture_sauvegarde.h"
#include "persist/lecture_sauvegarde.h"
#include "persist/remplacement_fichier.h"

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
    : dossier(dossierProgramme), vue(vueDuJeu), fil([this] { boucle(); }) {}

SauvegardeAutomatique::~SauvegardeAutomatique() {
    {
        std::lock_guard garde(verrou);
        arret = true;
    }
    signal.notify_all();
    fil.join();
}

void SauvegardeAutomatique::tourTermine(const Partie& partie) {
    signalerEchec();
    demander({false, ContenuSauvegarde(partie)});
}

// A file left behind would only offer a finished game: a failure is not told.
void SauvegardeAutomatique::partieFinie() { demander({true, {}}); }

void SauvegardeAutomatique::attendre() {
    {
        std::unique_lock verrouille(verrou);
        signal.wait(verrouille, [this] { return !enAttente && !occupe; });
    }
    signalerEchec();
}

void SauvegardeAutomatique::demander(Demande demande) {
    {
        std::lock_guard garde(verrou);
        enAttente = std::move(demande);
    }
    signal.notify_all();
}

void SauvegardeAutomatique::signalerEchec() {
    {
        std::lock_guard garde(verrou);
        if (!echec || echecSignale) return;
        echecSignale = true;
    }
    vue.AfficherMessage(std::string(messages::sauvegardeEchouee), std::string(messages::titreErreur));
}

void SauvegardeAutomatique::boucle() {
    std::unique_lock verrouille(verrou);
    while (true) {
        signal.wait(verrouille, [this] { return enAttente || arret; });
        if (!enAttente) return;
        const Demande demande = std::move(*enAttente);
        enAttente.reset();
        occupe = true;
        verrouille.unlock();
        const bool reussi = executer(demande);
        verrouille.lock();
        occupe = false;
        if (!demande.effacer) {
            echec = !reussi;
            if (reussi) echecSignale = false;
        }
        signal.notify_all();
    }
}

// A failure that escapes counts as a failed write: the thread must go on for
// the next turn.
bool SauvegardeAutomatique::executer(const Demande& demande) {
    try {
        if (!fichierANous()) return false;
        const fs::path fichier = partieEnCours(dossier);
        if (demande.effacer) {
            std::error_code erreur;
            return fs::remove(fichier, erreur);
        }
        return RemplacerFichier(fichier, demande.contenu);
    } catch (const std::exception& panne) {
        signalerPanne(vue, "partie en cours", panne);
    }
    return false;
}

// Looked at once: from then on only this program writes the file. A damaged
// file that cannot be set aside keeps the auto-save away.
bool SauvegardeAutomatique::fichierANous() {
    if (!examine) {
        const fs::path fichier = partieEnCours(dossier);
        examine = !existe(fichier) || sauvegardeLisible(lire(fichier)) || mettreDeCote(dossier);
    }
    return examine;
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
