#pragma once

// The whole program (command line, and the loading of the window) lives in
// the module libVHSettingsProgram.so; the executable only loads it and calls
// its entry. The executable then links nothing but the C library, so every
// library loaded later (Qt, the window, Qt's plugins) finds its symbols
// without first searching the ~35 libraries the command line needs.
namespace ProgramModule {

constexpr char fileName[] = "libVHSettingsProgram.so";
constexpr char entryName[] = "vhSettingsMain";

// Runs the program and returns the process's exit status.
using Entry = int (*)(int argc, char **argv);

} // namespace ProgramModule
