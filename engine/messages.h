#pragma once
#include <array>
#include <string>
#include <string_view>

// Every message the program shows, as stored: a comma starts a new line and a
// semicolon ends the text.
namespace glyphane::messages {

inline constexpr std::string_view titreMouvementIllegal = "Erreur : Mouvement illégal";
inline constexpr std::string_view titreIllegal = "Mouvement illégal";
inline constexpr std::string_view titreGlyphane = "Glyphane 7.3";
inline constexpr std::string_view titreResultat = "résultat";
inline constexpr std::string_view titreErreur = "Erreur";
inline constexpr std::string_view titreMotsDe7 = "Mots de 7 lettres trouvés";
inline constexpr std::string_view titreAttention = "***Attention***";
inline constexpr std::string_view titreEnregistrerSous = "Enregistrer sous";

inline constexpr std::string_view jetonsMalPlaces =
    ",Les jetons placés doivent,former le mot principal !,Et\\ou doivent s'unir à un mot,déjà placé sur le jeu !,;";
inline constexpr std::string_view caseCentrale = ",,Vous devez former un,mot en utilisant,la case centrale !,;";
inline constexpr std::string_view motDeDeuxLettres =
    ",Vous devez soit :,,Placer au moins un mot de 2 lettres.,,Faire un échange.,;";
inline constexpr std::string_view auMoinsUneLettre =
    "Vous devez soit :,,Placer au moins 1 lettre pour former un,nouveau mot en utilisant les lettres,déjà sur le "
    "tableau .,,Faire un échange.,;";
inline constexpr std::string_view tropDEchanges =
    ",Le nombre de lettres à échanger,est plus grand que le nombre de,lettres disponibles.,,Modifier votre choix.,;";
inline constexpr std::string_view aucunMouvement =
    ",,Il n'y a aucun,mouvement possible !!!,,La partie est donc terminée...,;";
inline constexpr std::string_view vousTerminez =
    ",Vous terminez la partie !!!,,Vous avez donc obtenu la valeur,des points des jetons non joués,de vos "
    "adversaires ...,;";
inline constexpr std::string_view echangeDeLettres = ",Échange de lettres.,,Aucun mouvement possible !,;";
inline constexpr std::string_view passeUnTour = ",Passe un tour.,,Aucun mouvement possible !,;";
inline constexpr std::string_view fichierInvalide = ",,Ce fichier ne correspond pas,à une sauvegarde valide !,;";
inline constexpr std::string_view sauvegardeEndommagee =
    ",Sauvegarde endommagée !,,Le chargement ne peut,se poursuivre !,;";
// A save that could not be written: the file it would have replaced is intact.
inline constexpr std::string_view sauvegardeEchouee =
    ",La sauvegarde a échoué !,,Aucun fichier n'a,été modifié.,;";
inline constexpr std::string_view continuerRecherche = ",,Voulez-vous continuer la ,recherche ?,;";
inline constexpr std::string_view remplacerSauvegarde = ",Sauvegarde valide !,,Voulez-vous la remplacer ?,;";
inline constexpr std::string_view remplacerAutreFichier =
    "Ce fichier ne correspond ,pas à une sauvegarde,de la version actuel.,,Voulez-vous tout de même,le "
    "remplacer ?,;";
// A screen capture whose file could not be written.
inline constexpr std::string_view captureEchouee = ",,La capture d'écran n'a pas,pu être enregistrée !,;";
inline constexpr std::string_view impressionEchouee = ",,L'impression n'a pas,pu être faite !,;";
// Preceded by the file name at run time.
inline constexpr std::string_view existeDeja = ",... existe déjà.,,Voulez-vous le remplacer ?,;";

inline constexpr int nbLignesMax = 7;
using Lignes = std::array<std::string, nbLignesMax>;

// The lines a box shows: at most seven; leading and repeated commas give the
// empty lines that space the text out.
Lignes decouperMessage(std::string_view texte);

}  // namespace glyphane::messages
