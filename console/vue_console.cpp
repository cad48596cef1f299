#include "console/vue_console.h"

#include <istream>
#include <ostream>
#include <vector>

#include "console/lecture.h"
#include "engine/messages.h"

namespace glyphane::console {

namespace {

std::string boite(const std::string& texte, const std::string& titre) {
    const messages::Lignes lignes = messages::decouperMessage(texte);
    std::size_t nombre = lignes.size();
    while (nombre > 1 && lignes[nombre - 1].empty()) --nombre;
    std::string resultat = "[" + titre + "] ";
    for (std::size_t i = 0; i < nombre; ++i) resultat += (i == 0 ? "" : " / ") + lignes[i];
    return resultat;
}

// "s" or "joker 27 s" for blank 27.
std::optional<char> lettrePourJoker(const std::string& ligne, int jeton) {
    const std::vector<std::string> m = motsDeLaLigne(ligne);
    if (m.size() == 1) return lireLettre(m[0]);
    if (m.size() == 3 && m[0] == "joker" && lireEntier(m[1]) == jeton) return lireLettre(m[2]);
    return std::nullopt;
}

std::optional<CasesCochees> casesCochees(const std::string& ligne, const MotsRefuses& rapport) {
    CasesCochees cases{};
    for (const std::string& mot : motsDeLaLigne(ligne)) {
        const std::optional<int> k = lireEntier(mot);
        if (!k || *k < 1 || *k >= static_cast<int>(rapport.size()) || rapport[*k].empty()) return std::nullopt;
        cases[*k] = true;
    }
    return cases;
}

}  // namespace

VueConsole::VueConsole(std::istream& entreeConsole, std::ostream& sortieConsole)
    : entree(entreeConsole), sortie(sortieConsole) {}

bool VueConsole::lireLigne(std::string& ligne) {
    while (std::getline(entree, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.empty() || ligne[0] != '#') return true;
    }
    return false;
}

void VueConsole::erreur(std::string_view texte) { sortie << "erreur: " << texte << '\n'; }

void VueConsole::preparerPartie(int nbJoueurs, const ChoixNoms& choix) {
    nbJoueursPrevus = nbJoueurs;
    nomsPrevus = choix;
}

void VueConsole::AfficherMessage(const std::string& texte, const std::string& titre) {
    sortie << boite(texte, titre) << '\n';
}

Reponse VueConsole::PoserQuestion(const std::string& texte, const std::string& titre) {
    sortie << boite(texte, titre) << " (oui/non)\n";
    for (std::string ligne; lireLigne(ligne);) {
        if (ligne == "oui") return Reponse::oui;
        if (ligne == "non") return Reponse::non;
        erreur("répondez oui ou non");
    }
    return Reponse::non;
}

char VueConsole::ChoisirLettre(int jeton) {
    sortie << "LETTRE " << jeton << '\n';
    for (std::string ligne; lireLigne(ligne);) {
        if (const std::optional<char> choix = lettrePourJoker(ligne, jeton)) return *choix;
        erreur("une lettre de a à z est attendue");
    }
    return lettreInconnue;
}

CasesCochees VueConsole::RapportMotsRefuses(const MotsRefuses& rapport) {
    sortie << "RAPPORT";
    for (std::size_t k = 1; k < rapport.size(); ++k) {
        if (!rapport[k].empty()) sortie << ' ' << k << ':' << rapport[k];
    }
    sortie << '\n';
    for (std::string ligne; lireLigne(ligne);) {
        if (const std::optional<CasesCochees> cases = casesCochees(ligne, rapport)) return *cases;
        erreur("numéros des cases cochées attendus, parmi celles du rapport");
    }
    return {};
}

int VueConsole::DemanderNombreJoueurs() { return nbJoueursPrevus; }

ChoixNoms VueConsole::DemanderNoms(int, bool) { return nomsPrevus; }

}  // namespace glyphane::console
