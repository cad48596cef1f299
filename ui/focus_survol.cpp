#include "ui/focus_survol.h"

#include <QPushButton>
#include <algorithm>
#include <array>
#include <string_view>

namespace glyphane::ui {

namespace {

constexpr std::array<std::string_view, 5> siHumainJoue = {"Commencer", "AnnulerEchange", "OkChangement", "Jouer",
                                                          "Echange"};
constexpr std::array<std::string_view, 17> toujours = {
    "Avance",        "DebutPartie",    "Recule",  "Recommencer", "PartieSauvegarder", "CouleurFond",
    "Button1",       "Clock21",        "ButtonCapture", "ButtonImprimer", "Styleb", "niveaux",
    "ButtonChrono",  "ButtonSave",     "Button15", "ButtonListeMot", "ButtonVoir",
};

template <std::size_t N>
bool parmi(const std::array<std::string_view, N>& noms, std::string_view nom) {
    return std::find(noms.begin(), noms.end(), nom) != noms.end();
}

}  // namespace

void donnerLeFocusAuSurvol(QWidget* survole, bool humainJoue) {
    auto* bouton = qobject_cast<QPushButton*>(survole);
    if (bouton == nullptr || !bouton->isEnabled() || bouton->hasFocus()) return;
    const QByteArray nom = bouton->objectName().toUtf8();
    const std::string_view n(nom.constData(), static_cast<std::size_t>(nom.size()));
    if (parmi(toujours, n) || (humainJoue && parmi(siHumainJoue, n))) bouton->setFocus(Qt::MouseFocusReason);
}

}  // namespace glyphane::ui
