#include "ModuleLoader.h"
#include "ProgramModule.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const auto entry
        = loadModuleEntry<ProgramModule::Entry>(ProgramModule::fileName, ProgramModule::entryName);
    if (!entry) {
        std::fprintf(stderr, "VHSettings: cannot start: %s\n", dlerror());
        return EXIT_FAILURE;
    }
    return entry(argc, argv);
}
