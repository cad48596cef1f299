#include "ui/capture_impression.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <chrono>

#include "engine/messages.h"
#include "persist/nom_capture.h"
#include "ui/cadre_agrandi.h"
#include "ui/fenetre_principale.h"

namespace glyphane::ui {

namespace {

constexpr auto attente = std::chrono::milliseconds(30);

// The pictures folder when the machine has one, else the program's own.
QString dossierDesCaptures(const std::filesystem::path& dossierProgramme) {
    const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!images.isEmpty() && QFileInfo(images).isDir()) return images;
    return QString::fromStdString(dossierProgramme.string());
}

}  // namespace

QRect placeSurLaPage(QSize image, QRect page) {
    return QRect(page.topLeft(), image.scaled(page.size(), Qt::KeepAspectRatio));
}

CaptureImpression::CaptureImpression(Jeu& jeuEnCours, FenetrePrincipale& fenetreDuJeu)
    : QObject(&fenetreDuJeu), jeu(jeuEnCours), fenetre(fenetreDuJeu) {}

CaptureImpression::~CaptureImpression() = default;

QPrinter& CaptureImpression::imprimante() {
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

std::optional<QString> CaptureImpression::demanderNom() {
    // Over the window as the player sees it: shown enlarged, the window is no window of its own.
    QFileDialog dialogue(&fenetreAffichee(fenetre), QStringLiteral("Enregistrer sous"), dossierDesCaptures(jeu.dossier),
                         QStringLiteral("*.bmp (*.bmp)"));
    dialogue.setObjectName(QStringLiteral("SaveDialog2"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    // The game asks its own question before replacing a file.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.selectFile(QStringLiteral("test.bmp"));
    agrandirCommeLaFenetre(dialogue, fenetre);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
    return dialogue.selectedFiles().front();
}

// At the layout's own pixels, whatever the window's enlargement or the screen's
// pixel ratio: painted afresh at that size rather than shrunk from the screen's.
QImage CaptureImpression::imageDeLaFenetre() const {
    QImage image(fenetre.size(), QImage::Format_RGB32);
    fenetre.render(&image);
    return image.convertToFormat(QImage::Format_RGB888);
}

void CaptureImpression::capturer() {
    const std::optional<QString> nom = demanderNom();
    if (!nom) return;
    jeu.cadence.pause(attente);
    const std::string chemin = nom->toStdString();
    if (!NomDeCaptureAccepte(chemin)) return;
    if (QFileInfo::exists(*nom) &&
        jeu.vue.PoserQuestion(QuestionRemplacerCapture(chemin), std::string(messages::titreEnregistrerSous)) ==
            Reponse::non) {
        return;
    }
    QFile fichier(*nom);
    bool ecrit = fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ecrit) {
        // Repaints the game has asked for come first: the picture shows it as it stands.
        jeu.vue.TraiterEvenements();
        jeu.cadence.pause(attente);
        ecrit = imageDeLaFenetre().save(&fichier, "BMP");
    }
    if (!ecrit) jeu.vue.AfficherMessage(std::string(messages::captureEchouee), std::string(messages::titreErreur));
}

void CaptureImpression::imprimer() {
    QPrinter& cible = imprimante();
    QPrintDialog dialogue(&cible, &fenetreAffichee(fenetre));
    dialogue.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    agrandirCommeLaFenetre(dialogue, fenetre);
    if (dialogue.exec() != QDialog::Accepted) return;
    const QImage image = imageDeLaFenetre();
    QPainter peintre;
    // A printer that went away or a file that cannot be written: the player is
    // told, rather than left waiting for a page that never comes.
    if (!peintre.begin(&cible)) {
        jeu.vue.AfficherMessage(std::string(messages::impressionEchouee), std::string(messages::titreErreur));
        return;
    }
    const QRect page(QPoint(0, 0), cible.pageRect(QPrinter::DevicePixel).size().toSize());
    peintre.drawImage(placeSurLaPage(image.size(), page), image);
}

}  // namespace glyphane::ui
