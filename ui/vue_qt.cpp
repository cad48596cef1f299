#include "ui/vue_qt.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QThread>

#include "lexicon/demarrage_dico.h"
#include "ui/cadre_agrandi.h"
#include "ui/fenetre_principale.h"

namespace glyphane::ui {

namespace {

QString texteQt(const std::string& texte) { return QString::fromStdString(texte); }

const QString filtreSauvegardes = QStringLiteral("*.Glb");
const QString titreSauvegarde = QStringLiteral("sauvegarde");

}  // namespace

VueQt::VueQt(QObject* parent) : QObject(parent) {}

VueQt::~VueQt() = default;

void VueQt::attacher(const Jeu& jeuSuivi, FenetrePrincipale& fenetreSuivie, Sons& sonsDuJeu) {
    jeu = &jeuSuivi;
    fenetre = &fenetreSuivie;
    sons = &sonsDuJeu;
}

void VueQt::detacher() {
    sansAttente = true;
    tirage.reset();
    fenetre = nullptr;
}

void VueQt::repondreSansAttendre(bool actif) { sansAttente = actif; }

Instantane VueQt::instantane() const {
    std::lock_guard garde(verrouInstantane);
    return dernier;
}

bool VueQt::tourOrdinateur() const {
    std::lock_guard garde(verrouInstantane);
    return dernier.tourOrdinateur;
}

bool VueQt::surLeFilFenetre() const { return QThread::currentThread() == thread(); }

ContexteDialogue VueQt::contexte() const {
    return {fenetre, fenetre->mode(), fenetre->couleurFond(), sons};
}

template <class Resultat, class Travail>
Resultat VueQt::surLaFenetre(Resultat neutre, Travail travail) {
    if (surLeFilFenetre()) return fenetre != nullptr ? travail() : neutre;
    if (sansAttente) return neutre;
    Resultat resultat = neutre;
    // The window thread may have started waiting for this worker after the test
    // above; it then runs this with sansAttente set and answers at once.
    QMetaObject::invokeMethod(
        this,
        [&] {
            if (!sansAttente && fenetre != nullptr) resultat = travail();
        },
        Qt::BlockingQueuedConnection);
    return resultat;
}

void VueQt::AfficherMessage(const std::string& texte, const std::string& titre) {
    surLaFenetre(true, [&] {
        AfficherMessageBoite(contexte(), texteQt(texte), texteQt(titre));
        return true;
    });
}

Reponse VueQt::PoserQuestion(const std::string& texte, const std::string& titre) {
    return surLaFenetre(Reponse::non,
                        [&] { return PoserQuestionBoite(contexte(), texteQt(texte), texteQt(titre)); });
}

char VueQt::ChoisirLettre(int jeton) {
    return surLaFenetre(lettreInconnue, [&] { return ChoisirLettreDialogue(contexte(), jeton); });
}

CasesCochees VueQt::RapportMotsRefuses(const MotsRefuses& mots) {
    return surLaFenetre(CasesCochees{}, [&] {
        const auto fichier = jeu->dossier / std::string(nomDicoRetrait);
        return RapportMotsRefusesDialogue(contexte(), mots, QString::fromStdString(fichier.string()));
    });
}

int VueQt::DemanderNombreJoueurs() {
    return surLaFenetre(1, [&] { return DemanderNombreJoueursDialogue(contexte()); });
}

ChoixNoms VueQt::DemanderNoms(int nbJoueurs, bool styleOuvert) {
    ChoixNoms neutre;
    neutre.ok = true;
    neutre.styleOuvert = styleOuvert;
    return surLaFenetre(neutre, [&] { return DemanderNomsDialogue(contexte(), nbJoueurs, styleOuvert); });
}

bool VueQt::TirageOrdreDemande() {
    return surLaFenetre(false, [&] {
        tirage = std::make_unique<DialogueTirage>(contexte());
        const bool tirer = tirage->demander();
        if (!tirer) tirage.reset();
        return tirer;
    });
}

void VueQt::TirageSiegeAttendre(int siege, const std::string& nom, bool ordinateur) {
    surLaFenetre(true, [&] {
        if (tirage) tirage->attendreSiege(siege, texteQt(nom), ordinateur);
        return true;
    });
}

void VueQt::TirageLettreMontree(int siege, int lettre) {
    surLaFenetre(true, [&] {
        if (tirage) tirage->montrerLettre(siege, lettre);
        return true;
    });
}

void VueQt::TirageTermine(const std::array<int, nbSiegesMax + 1>& lettreDuSiege,
                          const std::array<int, nbSiegesMax + 1>& rang, bool tousOrdinateurs) {
    surLaFenetre(true, [&] {
        if (tirage) tirage->terminer(lettreDuSiege, rang, tousOrdinateurs);
        tirage.reset();
        return true;
    });
}

std::optional<std::string> VueQt::DemanderFichierSauvegarde() { return demanderFichier(true); }

std::optional<std::string> VueQt::DemanderFichierACharger() { return demanderFichier(false); }

std::optional<std::string> VueQt::demanderFichier(bool pourEcrire) {
    return surLaFenetre(std::optional<std::string>{}, [&]() -> std::optional<std::string> {
        const QString dossier = QString::fromStdString(jeu->dossier.string());
        // Over the window as the player sees it, which may be the frame that shows it enlarged.
        QWidget* dessus = fenetre != nullptr ? &fenetreAffichee(*fenetre) : nullptr;
        QFileDialog dialogue(dessus, titreSauvegarde, dossier, filtreSauvegardes);
        dialogue.setAcceptMode(pourEcrire ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialogue.setFileMode(pourEcrire ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (fenetre != nullptr) agrandirCommeLaFenetre(dialogue, *fenetre);
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
        return dialogue.selectedFiles().front().toStdString();
    });
}

void VueQt::suivreRepeints(std::function<void(const Partie&)> suivi) { suiviRepeints = std::move(suivi); }

void VueQt::Rafraichir() {
    if (jeu == nullptr) return;
    {
        std::lock_guard garde(verrouInstantane);
        dernier = capturer(jeu->partie);
    }
    if (suiviRepeints) suiviRepeints(jeu->partie);
    if (surLeFilFenetre()) {
        appliquerInstantane();
    } else {
        programmer(repeintProgramme, &VueQt::appliquerInstantane);
    }
}

void VueQt::ActualiserControles() {
    if (surLeFilFenetre()) {
        appliquerControles();
    } else {
        programmer(controlesProgrammes, &VueQt::appliquerControles);
    }
}

// A worker may announce many changes before the window gets to them: one pending
// repaint is enough, since it shows the latest state.
void VueQt::programmer(std::atomic<bool>& enAttente, void (VueQt::*application)()) {
    if (enAttente.exchange(true)) return;
    QMetaObject::invokeMethod(
        this,
        [this, &enAttente, application] {
            enAttente = false;
            (this->*application)();
        },
        Qt::QueuedConnection);
}

void VueQt::appliquerInstantane() {
    if (fenetre == nullptr || jeu == nullptr) return;
    fenetre->appliquerInstantane(instantane());
    fenetre->appliquerControles(jeu->partie.fenetre.copie());
}

void VueQt::appliquerControles() {
    if (fenetre == nullptr || jeu == nullptr) return;
    fenetre->appliquerControles(jeu->partie.fenetre.copie());
}

// Paints and the workers' requests go on; the player's clicks and keys wait, so
// that no action starts in the middle of the game's own.
void VueQt::TraiterEvenements() {
    if (surLeFilFenetre()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace glyphane::ui
