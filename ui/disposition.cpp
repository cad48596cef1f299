#include "ui/disposition.h"

#include <Qt>
#include <array>

#include "ai/niveaux.h"

namespace glyphane::ui {

namespace {

constexpr Genre B = Genre::bouton;
constexpr Genre E = Genre::etiquette;
constexpr Genre A = Genre::autre;

const std::array<Emplacement, 50> tableEmplacements = {{
    {"LabelNomJoueur1", E, {516, 20, 0, 0}, {407, 14, 0, 0}, "Joueur #1", ""},
    {"LabelNomJoueur2", E, {516, 60, 0, 0}, {407, 48, 0, 0}, "Joueur #2", ""},
    {"LabelNomJoueur3", E, {516, 100, 0, 0}, {407, 78, 0, 0}, "Joueur #3", ""},
    {"LabelNomJoueur4", E, {516, 140, 0, 0}, {407, 110, 0, 0}, "Joueur #4", ""},
    {"PointJ1", E, {586, 20, 0, 0}, {460, 14, 0, 0}, "0", ""},
    {"PointJ2", E, {586, 60, 0, 0}, {460, 48, 0, 0}, "0", ""},
    {"PointJ3", E, {586, 100, 0, 0}, {460, 78, 0, 0}, "0", ""},
    {"PointJ4", E, {586, 140, 0, 0}, {460, 110, 0, 0}, "0", ""},
    {"LTG1", E, {534, 36, 0, 0}, {412, 30, 0, 0}, "tm1", ""},
    {"LTG2", E, {534, 76, 0, 0}, {414, 62, 0, 0}, "tm2", ""},
    {"LTG3", E, {534, 116, 0, 0}, {412, 94, 0, 0}, "tm3", ""},
    {"LTG4", E, {534, 156, 0, 0}, {412, 124, 0, 0}, "tm4", ""},
    {"ButtonCapture", B, {620, 8, 75, 25}, {492, 8, 67, 19}, "ca&pture", ""},
    {"ButtonImprimer", B, {712, 8, 75, 25}, {566, 8, 67, 19}, "&imprimer", ""},
    {"Styleb", B, {620, 48, 75, 25}, {492, 36, 67, 19}, "st&yle ouvert", ""},
    {"niveaux", B, {712, 48, 75, 25}, {566, 36, 67, 19}, niveauNumero(niveauMeilleur).caption,
     niveauNumero(niveauMeilleur).hint},
    {"ButtonChrono", B, {620, 88, 75, 25}, {492, 66, 67, 19}, "c&hrono", ""},
    {"ButtonSave", B, {712, 88, 75, 25}, {566, 66, 67, 19}, "&sauvegarde", ""},
    {"Button15", B, {620, 128, 75, 25}, {492, 96, 67, 19}, "&clavier ?", ""},
    {"CouleurFond", B, {712, 128, 75, 25}, {566, 96, 67, 19}, "&fond", "modifier la couleur de fond"},
    {"ButtonListeMot", B, {510, 178, 129, 25}, {405, 142, 115, 19}, "liste de &mot possible", ""},
    {"ButtonVoir", B, {650, 178, 139, 25}, {526, 142, 109, 19}, "voir le coup de l'&ordi", ""},
    {"SmotsPossible", E, {636, 208, 0, 0}, {507, 170, 0, 0}, "Mots possibles:", ""},
    {"memo1", A, {588, 226, 205, 191}, {455, 195, 185, 134}, "",
     "Cliquez sur un mot pour le placer sur le jeu..."},
    {"memoCache", A, {588, 226, 205, 191}, {455, 195, 185, 134}, "",
     "Cliquez sur un mot pour le placer sur le jeu..."},
    {"Clock21", B, {508, 332, 73, 25}, {403, 259, 50, 20}, "", "ajuster l'alarme"},
    {"led", A, {537, 360, 12, 12}, {423, 282, 12, 12}, "", ""},
    {"Emiseajour", E, {592, 422, 0, 0}, {482, 331, 0, 0}, "Mise à jour des possibilités", ""},
    {"ProgressBar1", A, {612, 440, 113, 17}, {506, 347, 110, 16}, "", ""},
    {"Ejoueur", E, {528, 436, 0, 0}, {417, 346, 0, 0}, "Joueur", ""},
    // In the small layout the turn's countdown stands under the clock and its
    // LED: beside the player's name, "mm:ss" would run over the exchange's label.
    {"LCJ", E, {740, 436, 0, 0}, {409, 312, 0, 0}, "120", ""},
    {"Eechange", E, {564, 462, 0, 0}, {434, 371, 0, 0}, "Déplacez les lettres pour les remplacer", ""},
    {"Jouer", B, {530, 482, 87, 25}, {420, 389, 69, 20}, "&Jouer", ""},
    {"Echange", B, {648, 482, 145, 25}, {514, 389, 121, 20}, "&Echanger des lettres", ""},
    {"OkChangement", B, {648, 482, 65, 25}, {514, 389, 49, 20}, "O&k", ""},
    {"AnnulerEchange", B, {724, 482, 69, 25}, {570, 389, 65, 20}, "&Annuler", ""},
    {"CacheLettres", A, {-2, 499, 497, 119}, {0, 402, 401, 73}, "Clique&z ici pour voir vos lettre !", ""},
    {"Commencer", B, {81, 520, 113, 25}, {63, 411, 90, 20}, "&Nouvelle partie", ""},
    {"PartieSauvegarder", B, {263, 520, 129, 25}, {211, 411, 108, 20}, "&Partie Sauvegardée",
     "terminer ou revoir une partie sauvegardée"},
    {"Epointsdutour", E, {609, 514, 0, 0}, {477, 413, 0, 0}, "0", ""},
    {"Spointsdutour", E, {638, 514, 0, 0}, {505, 413, 0, 0}, "Points du tour", ""},
    {"DebutPartie", B, {558, 534, 47, 23}, {432, 429, 53, 18}, "&Départ", ""},
    {"Recule", B, {616, 534, 73, 23}, {494, 429, 61, 18}, "&Précédent", ""},
    {"Avance", B, {700, 534, 75, 23}, {564, 429, 57, 18}, "&Suivant", ""},
    {"CacheBoutonRevoir", A, {542, 534, 237, 25}, {430, 429, 191, 18}, "", ""},
    // Inside CacheBoutonRevoir, which they move with.
    {"SnbLettredisp", E, {6, 5, 0, 0}, {4, 2, 0, 0}, "Nombre de lettres disponibles", ""},
    {"EnbLettreDispo", E, {196, 5, 0, 0}, {168, 2, 0, 0}, "102", ""},
    {"Recommencer", B, {510, 564, 91, 25}, {416, 451, 91, 20}, "&Recommencer", "recommancer une nouvelle partie"},
    {"Button1", B, {700, 564, 89, 25}, {560, 451, 75, 20}, "&Quitter", "terminer l'application"},
    {"PanelAideClavier", A, {78, 84, 349, 311}, {76, 49, 257, 304}, "", ""},
}};

const std::array<EntreeMenu, 12> tableMenu = {{
    {"printtFile", "Capture d'écran", Qt::Key_F2, "enregistrer l'image de l'écran dans un fichier"},
    {"printt", "Imprimer", Qt::Key_F3, "imprimer l'image de l'écran sur l'imprimante"},
    {"StyleDeJeu", "Style Ouvert", Qt::Key_F4, ""},
    {"Niveau", "Niveaux", Qt::Key_F5, ""},
    {"timer", "Chronomètre", Qt::Key_F6, "simulation d'un chronomètre"},
    {"aproposde1", "a propos de ...", Qt::Key_F7, ""},
    {"Recommancer1", "Recommencer", Qt::Key_F8, "recommancer une nouvelle partie"},
    {"ListeDeMot", "Voir la liste des mots possibles", Qt::Key_F9, "voir la liste des mots possible"},
    {"Voir", "Voir ce que l'ordi jouerait ...", Qt::Key_F10, "voir ce que l'ordi jouerais"},
    {"save", "sauvegarde", Qt::Key_F11, "effectuer une sauvegarde de la partie en cours"},
    {"Quittermaintenent1", "Quitter", Qt::Key_F12, "terminer l'application"},
    {"clavier1", "aide clavier", 0, ""},
}};

// The small layout's row letters, A to O.
constexpr std::array<int, 15> hautsLettres640 = {29, 52, 78, 104, 128, 154, 178, 202, 228, 252, 278, 304, 328, 352, 378};

}  // namespace

std::span<const Emplacement> emplacements() { return tableEmplacements; }

QRect placeDe(std::string_view nom, ModeEcran mode) {
    for (const Emplacement& e : tableEmplacements) {
        if (nom == e.nom) return selonMode(mode, e.en800, e.en640);
    }
    return {};
}

std::span<const EntreeMenu> entreesMenu() { return tableMenu; }

// Each label is centred over its square, in a box as wide as a tile.
QRect placeLettreLigne(int ligne, ModeEcran mode) {
    if (mode == ModeEcran::m640) return QRect(3, hautsLettres640[static_cast<std::size_t>(ligne - 1)], 12, 14);
    return QRect(6, 30 + 31 * (ligne - 1), 16, 29);
}

QRect placeNumeroColonne(int colonne, ModeEcran mode) {
    if (mode == ModeEcran::m640) return QRect(22 + 25 * (colonne - 1), 2, 24, 14);
    return QRect(30 + 31 * (colonne - 1), 6, 29, 16);
}

}  // namespace glyphane::ui
