#pragma once
#include <QObject>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "ai/bilan_partie.h"
#include "engine/jeu.h"

// The review of a finished game in the word-list box, unused then. It is
// computed on a thread of its own as soon as the game is over (played to its
// end or loaded) and shown when it comes, for the move the replay has reached;
// the window never waits for it.
namespace glyphane::ui {

class VueQt;

class BilanFenetre final : public QObject {
public:
    BilanFenetre(Jeu& jeu, VueQt& vue, QObject* parent);
    ~BilanFenetre() override;
    BilanFenetre(const BilanFenetre&) = delete;
    BilanFenetre& operator=(const BilanFenetre&) = delete;

    // The review of the move the replay has reached, and each seat's totals on
    // the empty board and after the last move; nothing outside a finished game.
    void montrer();
    // A click on line `ligne` of the box. True when the review takes it (in a
    // finished game); on the top's line, the top is laid on the board.
    bool cliquerLigne(int ligne);

private:
    // On the repainting thread.
    void suivre(const Partie& partie);
    // On the window thread.
    void demarrer(std::shared_ptr<const PartieARevoir> aRevoir);
    void arreter();
    void recevoir(unsigned numero, BilanPartie recu);
    bool enRevue() const;

    Jeu& jeu;
    VueQt& vue;
    std::atomic<bool> demande{false};
    // Counts the reviews started: one still on its way when another starts is dropped.
    unsigned generation = 0;
    std::optional<BilanPartie> bilan;
    int ligneTop = -1;
    std::vector<TuilePosee> topMontre;
    std::jthread travail;
};

}  // namespace glyphane::ui
