#include "ModuleLoader.h"
#include "ProgramModule.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const auto entry
        = loadModuleEntry<ProgramModule::Entry>(ProgramModule::fileName, ProgramModule::entryName);
    if (!entry) {
        // Not through stderr: the executable would hold a copy of it that
        // the program's libraries, looking among themselves first, miss.
        dprintf(STDERR_FILENO, "VHSettings: cannot start: %s\n", dlerror());
        return EXIT_FAILURE;
    }
    return entry(argc, argv);
}
