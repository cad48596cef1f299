#include "ui/programme.h"

#include <QScreen>

#include "engine/affichage.h"
#include "engine/nouvelle_partie.h"
#include "lexicon/demarrage_dico.h"
#include "lexicon/flux_integre.h"
#include "persist/chargement.h"
#include "ui/arret_programme.h"
#include "ui/cadre_agrandi.h"
#include "ui/cadence_fenetre.h"
#include "ui/capture_impression.h"
#include "ui/clavier.h"
#include "ui/commandes_fenetre.h"
#include "ui/couleur_fond.h"
#include "ui/ecran_demarrage.h"
#include "ui/fenetre_principale.h"
#include "ui/fond_plateau.h"
#include "ui/glisser_jetons.h"
#include "ui/horloge_alarme.h"
#include "ui/taille_fenetre.h"

namespace glyphane::ui {

Programme::Programme(const OptionsProgramme& options, std::unique_ptr<Cadence> cadenceDuJeu)
    : reglages(options),
      hasard(options.graine),
      cadence(cadenceDuJeu ? std::move(cadenceDuJeu) : std::make_unique<CadenceFenetre>()),
      jeuEnCours(trie, vueQt, hasard, *cadence, options.dossier),
      sauvegardeAutomatique(options.dossier, vueQt),
      joueur(jeuEnCours),
      sonsDuJeu(std::make_unique<Sons>()),
      fenetrePrincipale(std::make_unique<FenetrePrincipale>(options.mode)),
      arretProgramme(std::make_unique<ArretProgramme>(jeuEnCours, vueQt, *fenetrePrincipale, joueur)) {
    jeuEnCours.partie.ecran.geometrie.mode = static_cast<int>(options.mode);
    jeuEnCours.partieEnCours = &sauvegardeAutomatique;
    fenetrePrincipale->changerCouleurFond(couleurParDefaut());
}

// The threads go first: they may still be asking the window for something.
Programme::~Programme() {
    vueQt.repondreSansAttendre(true);
    joueur.arreter();
    vueQt.detacher();
    // Nowhere left to say it when the size cannot be kept: the next start opens at the computed one.
    if (cadre) ecrireTailleFenetre(reglages.dossier, cadre->size());
}

bool Programme::demarrer(EcranDemarrage* ecran) {
    const std::filesystem::path& dossier = reglages.dossier;
    DemarrageDictionnaire dictionnaire(dossier, trie);
    dictionnaire.preparerDossiers();
    fenetrePrincipale->poserFondPlateau(chargerFondPlateau(dossier, reglages.mode, dictionnaire.imagesAFaire()));
    const auto attente = [ecran] {
        if (ecran != nullptr) ecran->montrerAttente();
    };
    if (!dictionnaire.construireTrie(fluxIntegre(), attente)) {
        raison = "le dictionnaire n'a pas pu démarrer dans " + dossier.string() +
                 " (dossier protégé en écriture ou disque plein ?)";
        return false;
    }
    if (const auto couleur = couleurDepuisTexte(dictionnaire.recherche().couleurFond)) {
        fenetrePrincipale->changerCouleurFond(*couleur);
    }
    dictionnaire.chargerMotsUtilisateur();
    dictionnaire.premierPassageRetrait();
    faces.charger(dossier, reglages.mode);
    fenetrePrincipale->poserFaces(faces);
    new GlisserJetons(jeuEnCours, vueQt, *fenetrePrincipale);
    dictionnaire.secondPassageRetrait();

    vueQt.attacher(jeuEnCours, *fenetrePrincipale, *sonsDuJeu);
    captureEcran = new CaptureImpression(jeuEnCours, *fenetrePrincipale);
    new CommandesFenetre(jeuEnCours, joueur.modeleOrdinateur(), vueQt, *fenetrePrincipale, *sonsDuJeu, *arretProgramme, *captureEcran);
    horlogeAlarme = new HorlogeAlarme(*fenetrePrincipale, vueQt, *sonsDuJeu);
    clavierJeu = new ClavierJeu(jeuEnCours, vueQt, *fenetrePrincipale);
    // Every run starts in open style, with no game.
    DonnerStyle(jeuEnCours.partie, true);
    ReinitialiserPartie(jeuEnCours, true);
    return true;
}

void Programme::montrerFenetre820(FenetrePrincipale& f) {
    f.resize(tailleFenetre820);
    const QScreen* ecran = f.screen();
    const QSize disponible = ecran != nullptr ? ecran->availableGeometry().size() : tailleFenetre820;
    const Agrandissement agrandissement =
        agrandissementPour(reglages, disponible, ecran != nullptr ? ecran->devicePixelRatio() : 1);
    if (agrandissement.fenetre <= 1) {
        f.show();
        return;
    }
    cadre = std::make_unique<CadreAgrandi>(f);
    cadre->resize(
        tailleAOuvrir(lireTailleFenetre(reglages.dossier), tailleFenetre820, agrandissement.fenetre, disponible));
    cadre->show();
}

void Programme::montrer() {
    FenetrePrincipale& f = *fenetrePrincipale;
    switch (reglages.presentation) {
        case Presentation::pleinEcran:
            f.setWindowFlag(Qt::FramelessWindowHint);
            // Without a window manager to maximise it, it still covers the screen.
            if (const QScreen* ecran = f.screen()) f.setGeometry(ecran->availableGeometry());
            f.showMaximized();
            break;
        case Presentation::fenetre820:
            montrerFenetre820(f);
            break;
        case Presentation::tailleFixe:
            f.setWindowFlag(Qt::FramelessWindowHint);
            f.resize(selonMode(reglages.mode, QSize(800, 600), QSize(640, 480)));
            f.show();
            break;
    }
}

void Programme::proposerReprise() {
    const PartieInterrompue interrompue = ChercherPartieInterrompue(jeuEnCours);
    if (interrompue.etat == EtatReprise::aReprendre && ConfirmerReprise(vueQt.contexte())) {
        ouvrirContenuSauvegarde(jeuEnCours, interrompue.contenu);
    }
}

}  // namespace glyphane::ui
