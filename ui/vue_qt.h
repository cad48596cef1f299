#pragma once
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "engine/jeu.h"
#include "ui/dialogues/dialogues.h"
#include "ui/instantane.h"

// The game's view on the desktop. The game calls it from the window thread for a
// human's actions and from the computer player's threads for the rest; widgets
// are only touched on the window thread:
// - a dialog asked for by a worker is shown on the window thread while the
//   worker waits for its answer;
// - a repaint copies what the window shows on the caller's thread, where the
//   model is steady, and the window paints that copy when it gets to it;
// - a change of the controls alone is read back from their own lock by the window.
namespace glyphane::ui {

class FenetrePrincipale;

class VueQt final : public QObject, public Vue {
    Q_OBJECT
public:
    explicit VueQt(QObject* parent = nullptr);
    ~VueQt() override;

    // The game whose model is copied, and the window that shows it; before any
    // call from the game.
    void attacher(const Jeu& jeu, FenetrePrincipale& fenetre, Sons& sons);
    // The window is going away: from now on, nothing is shown any more.
    void detacher();

    // Told of the model at every repaint, on the repainting thread, where the
    // model is steady: for what follows the game beyond the window's copy. Set
    // once, before the game starts.
    void suivreRepeints(std::function<void(const Partie&)> suivi);

    // While the window thread waits for the workers to end (quit, restart), their
    // calls must not wait for it in turn: they get a neutral answer at once.
    void repondreSansAttendre(bool actif);

    // The latest copy of the model, as the window paints it.
    Instantane instantane() const;
    // Whether that copy has the computer to play.
    bool tourOrdinateur() const;
    // What a dialog opened from the window needs of it.
    ContexteDialogue contexte() const;

    void AfficherMessage(const std::string& texte, const std::string& titre) override;
    Reponse PoserQuestion(const std::string& texte, const std::string& titre) override;
    char ChoisirLettre(int jeton) override;
    CasesCochees RapportMotsRefuses(const MotsRefuses& mots) override;
    int DemanderNombreJoueurs() override;
    ChoixNoms DemanderNoms(int nbJoueurs, bool styleOuvert) override;
    bool TirageOrdreDemande() override;
    void TirageSiegeAttendre(int siege, const std::string& nom, bool ordinateur) override;
    void TirageLettreMontree(int siege, int lettre) override;
    void TirageTermine(const std::array<int, nbSiegesMax + 1>& lettreDuSiege,
                       const std::array<int, nbSiegesMax + 1>& rang, bool tousOrdinateurs) override;
    std::optional<std::string> DemanderFichierSauvegarde() override;
    std::optional<std::string> DemanderFichierACharger() override;
    void Rafraichir() override;
    void ActualiserControles() override;
    void TraiterEvenements() override;

private:
    bool surLeFilFenetre() const;
    // Runs `travail` on the window thread and returns its answer; `neutre` when
    // the window is gone or the window thread is waiting for this very worker.
    template <class Resultat, class Travail>
    Resultat surLaFenetre(Resultat neutre, Travail travail);

    std::optional<std::string> demanderFichier(bool pourEcrire);
    void appliquerInstantane();
    void appliquerControles();
    void programmer(std::atomic<bool>& enAttente, void (VueQt::*application)());

    const Jeu* jeu = nullptr;
    FenetrePrincipale* fenetre = nullptr;
    Sons* sons = nullptr;
    std::atomic<bool> sansAttente{false};
    std::atomic<bool> repeintProgramme{false};
    std::atomic<bool> controlesProgrammes{false};
    mutable std::mutex verrouInstantane;
    Instantane dernier;
    std::unique_ptr<DialogueTirage> tirage;
    std::function<void(const Partie&)> suiviRepeints;
};

}  // namespace glyphane::ui
