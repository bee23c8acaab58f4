// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <cstring>

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    if (argc <= 1)
        return std::nullopt;
    const char* const first = argv[1];
    if (argc == 2 && std::strcmp(first, "--help") == 0) {
        std::fputs("Brug: vorlen [--help | --version]\n"
                   "Vorlen er et puslespil på dansk: byg en produktionslinje af maskiner, der\n"
                   "laver den plade, opgaven viser. Uden tilvalg starter spillet.\n"
                   "\n"
                   "  --help     vis denne hjælp og afslut\n"
                   "  --version  vis versionen og afslut\n",
                   out);
        return 0;
    }
    if (argc == 2 && std::strcmp(first, "--version") == 0) {
        std::fputs("Vorlen " VORLEN_VERSION "\n"
                   "Licens: GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n",
                   out);
        return 0;
    }
    if (argc > 2)
        std::fputs("vorlen: for mange argumenter\n", err);
    else if (first[0] == '-')
        std::fprintf(err, "vorlen: ukendt tilvalg: %s\n", first);
    else
        std::fprintf(err, "vorlen: spillet tager ingen argumenter: %s\n", first);
    std::fputs("Prøv 'vorlen --help'.\n", err);
    return 2;
}
