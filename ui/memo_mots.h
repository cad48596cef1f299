#pragma once
#include <QTextEdit>
#include <vector>

#include "engine/ligne_mot.h"

// The list of possible words: one move per line, in a fixed-pitch font so that
// the columns line up, the letters already on the board in red. A click on a line
// asks for that move on the board.
namespace glyphane::ui {

class MemoMots final : public QTextEdit {
    Q_OBJECT
public:
    explicit MemoMots(const QString& nom, QWidget* parent);

    // Appends what the search added since the last call, or starts again when
    // the list is another one.
    void montrerLignes(const std::vector<LigneMot>& lignes);
    int nombreDeLignes() const { return static_cast<int>(affichees.size()); }
    void colorer(const QColor& fond);
    // Enter in the list: as a click on the line of the text cursor.
    void cliquerLigneDuCurseur();

signals:
    // The line under the click, from 0; -1 past the listed moves.
    void ligneCliquee(int ligne);

protected:
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    void ajouterLigne(const LigneMot& ligne);
    void cliquer(int ligne);

    std::vector<LigneMot> affichees;
};

}  // namespace glyphane::ui
