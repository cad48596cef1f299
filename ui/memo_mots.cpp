#include "ui/memo_mots.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace glyphane::ui {

namespace {

constexpr int hauteurPolice = 11;

bool memeLigne(const LigneMot& a, const LigneMot& b) { return a.texte == b.texte && a.dejaPose == b.dejaPose; }

}  // namespace

MemoMots::MemoMots(const QString& nom, QWidget* parent) : QTextEdit(parent) {
    setObjectName(nom);
    setReadOnly(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    setToolTip(QStringLiteral("Cliquez sur un mot pour le placer sur le jeu..."));
    QFont police = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    police.setPixelSize(hauteurPolice);
    setFont(police);
    document()->setDocumentMargin(2);
}

void MemoMots::colorer(const QColor& fond) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, fond);
    setPalette(palette);
}

void MemoMots::montrerLignes(const std::vector<LigneMot>& lignes) {
    const bool suite = lignes.size() >= affichees.size() &&
                       std::equal(affichees.begin(), affichees.end(), lignes.begin(), memeLigne);
    if (suite && lignes.size() == affichees.size()) return;
    if (!suite) {
        clear();
        affichees.clear();
    }
    for (std::size_t i = affichees.size(); i < lignes.size(); ++i) {
        ajouterLigne(lignes[i]);
        affichees.push_back(lignes[i]);
    }
}

void MemoMots::ajouterLigne(const LigneMot& ligne) {
    QTextCursor curseur(document());
    curseur.movePosition(QTextCursor::End);
    if (!affichees.empty()) curseur.insertBlock();
    QTextCharFormat noir;
    noir.setForeground(Qt::black);
    QTextCharFormat rouge;
    rouge.setForeground(Qt::red);
    for (std::size_t i = 0; i < ligne.texte.size(); ++i) {
        const bool pose = i < ligne.dejaPose.size() && ligne.dejaPose[i];
        curseur.insertText(QString(QChar(static_cast<unsigned char>(ligne.texte[i]))), pose ? rouge : noir);
    }
}

void MemoMots::mousePressEvent(QMouseEvent* evenement) {
    QTextEdit::mousePressEvent(evenement);
    if (evenement->button() != Qt::LeftButton) return;
    evenement->accept();
    // The caret goes to the line clicked, as in any list: Enter or the arrows
    // then go on from there.
    setTextCursor(cursorForPosition(evenement->position().toPoint()));
    cliquerLigneDuCurseur();
}

void MemoMots::cliquerLigneDuCurseur() { cliquer(textCursor().blockNumber()); }

void MemoMots::cliquer(int ligne) { emit ligneCliquee(ligne < nombreDeLignes() ? ligne : -1); }

}  // namespace glyphane::ui
