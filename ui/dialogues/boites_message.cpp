// The information box (TFiche_Erreur) and the question box (TFiche_Erreur2).
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "engine/messages.h"
#include "ui/dialogues/dialogues.h"
#include "ui/dialogues/fiche.h"
#include "ui/image_agrandie.h"

namespace glyphane::ui {

namespace {

enum class Genre { information, question };

constexpr int hauteurLigne = 16;
constexpr int marge = 4;

Place placeLigne(int n) {
    const int haut = 48 + hauteurLigne * (n - 1);
    return {QRect(45, haut, 188, hauteurLigne), QRect(45, haut, 140, hauteurLigne)};
}

class BoiteMessage : public Fiche {
public:
    BoiteMessage(const ContexteDialogue& contexte, Genre genre, const QString& texte, const QString& titre);

    Reponse reponse = Reponse::non;

private:
    void placerTitre(const QString& titre);
    QRect placerImage();
    void placerLignes(const QString& texte, const QRect& image);
    void placerBoutons();

    Genre genre;
};

BoiteMessage::BoiteMessage(const ContexteDialogue& contexte, Genre genreBoite, const QString& texte,
                           const QString& titre)
    : Fiche(contexte, QSize(257, 226), genreBoite == Genre::information ? QSize(224, 199) : QSize(223, 198)),
      genre(genreBoite) {
    placerEn640(genre == Genre::information ? QPoint(140, 101) : QPoint(140, 102));
    placerTitre(titre);
    placerLignes(texte, placerImage());
    placerBoutons();
}

void BoiteMessage::placerTitre(const QString& titre) {
    const Place place = genre == Genre::information ? Place{QRect(14, 12, 229, 16), QRect(24, 12, 177, 16)}
                                                    : Place{QRect(14, 12, 229, 16), QRect(20, 14, 177, 16)};
    QLabel* label = etiquette(QStringLiteral("Label1"), titre, police(selon(13, 11), true), place, Qt::AlignCenter);
    ajusterLargeur(label, marge, width() - marge);
}

QRect BoiteMessage::placerImage() {
    const QPoint coin = genre == Genre::information ? selonMode(mode(), QPoint(16, 80), QPoint(10, 52))
                                                    : selonMode(mode(), QPoint(16, 80), QPoint(8, 54));
    const QRect place(coin, QSize(33, 33));
    auto* image = new ImageAgrandie(panneau());
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(place);
    const QIcon icone = style()->standardIcon(genre == Genre::information ? QStyle::SP_MessageBoxInformation
                                                                          : QStyle::SP_MessageBoxQuestion);
    image->montrer(icone.pixmap(32, 32), [icone](double echelle) { return icone.pixmap(QSize(32, 32), echelle).toImage(); });
    image->setAlignment(Qt::AlignCenter);
    return place;
}

// A line longer than its label spreads around the label's centre, but never
// over the picture beside it.
void BoiteMessage::placerLignes(const QString& texte, const QRect& image) {
    const messages::Lignes lignes = messages::decouperMessage(texte.toStdString());
    for (int n = 1; n <= messages::nbLignesMax; ++n) {
        const QString ligne = QString::fromStdString(lignes[n - 1]);
        QLabel* label = etiquette(QStringLiteral("ligne%1").arg(n), ligne, font(), placeLigne(n), Qt::AlignCenter);
        const QRect rangee = label->geometry();
        const bool aCoteDeLImage = rangee.top() <= image.bottom() && rangee.bottom() >= image.top();
        ajusterLargeur(label, aCoteDeLImage ? image.right() + 3 : marge, width() - marge);
    }
}

void BoiteMessage::placerBoutons() {
    if (genre == Genre::information) {
        QPushButton* ok = bouton(QStringLiteral("Ok"), QStringLiteral("&ok"),
                                 {QRect(94, 170, 75, 25), QRect(76, 166, 63, 21)}, [this] { repondre(); });
        annulerPar(ok);
        ok->setFocus();
        return;
    }
    QPushButton* oui = bouton(QStringLiteral("Oui"), QStringLiteral("&oui"),
                              {QRect(36, 166, 75, 25), QRect(20, 164, 63, 21)}, [this] {
                                  reponse = Reponse::oui;
                                  repondre();
                              });
    QPushButton* non = bouton(QStringLiteral("Non"), QStringLiteral("&non"),
                              {QRect(148, 166, 75, 25), QRect(134, 164, 63, 21)}, [this] {
                                  reponse = Reponse::non;
                                  repondre();
                              });
    annulerPar(non);
    oui->setFocus();
}

Reponse montrer(const ContexteDialogue& contexte, Genre genre, const QString& texte, const QString& titre) {
    BoiteMessage boite(contexte, genre, texte, titre);
    boite.executer(Fiche::Son::bip);
    return boite.reponse;
}

}  // namespace

void AfficherMessageBoite(const ContexteDialogue& contexte, const QString& texte, const QString& titre) {
    montrer(contexte, Genre::information, texte, titre);
}

Reponse PoserQuestionBoite(const ContexteDialogue& contexte, const QString& texte, const QString& titre) {
    return montrer(contexte, Genre::question, texte, titre);
}

}  // namespace glyphane::ui
