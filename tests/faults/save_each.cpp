// Saves every data file once in the directory given, for the save-order test
// that runs this under strace. One line per file: its name, then "saved",
// "refused-told" when the save failed and the user was told as the program
// tells it, or "refused-untold".

#include "data_files.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_each DIR ROUND\n");
        return 2;
    }
    for (const DataFile &each : kDataFiles) {
        ScriptedPrompter prompter;
        const bool saved = each.save(QString::fromLocal8Bit(argv[1]), prompter, std::atoi(argv[2]));
        std::printf("%s %s\n", each.name,
            saved                                       ? "saved"
                : each.toldOfFailure(prompter.messages) ? "refused-told"
                                                        : "refused-untold");
    }
    return 0;
}
