#include <iostream>
#include <string>
#include <vector>

#include "console/commandes.h"

namespace {

void usage(std::ostream& sortie) {
    sortie << "usage : glyphane-cli dico [--dir DOSSIER] MOT...\n"
              "        glyphane-cli partie [--dir DOSSIER] [--graine N] < COMMANDES\n"
              "        glyphane-cli autoplay [--dir DOSSIER] [--sieges N] [--niveau L] [--graine S] [--parties K]\n"
              "                              [--sauver FICHIER] [--bilan]\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(std::cerr);
        return 2;
    }
    const std::string commande = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (commande == "dico") return glyphane::console::commandeDico(arguments, std::cout, std::cerr);
    if (commande == "partie") return glyphane::console::commandePartie(arguments, std::cin, std::cout, std::cerr);
    if (commande == "autoplay") return glyphane::console::commandeAutoplay(arguments, std::cout, std::cerr);
    usage(std::cerr);
    return 2;
}
