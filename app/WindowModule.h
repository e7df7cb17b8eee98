#pragma once

#include <QString>

// The settings window and all it links (Qt Gui, Qml and Quick) live in the
// module libVHSettingsWindow.so, which only the window mode loads: the command
// line then starts without loading and relocating libraries it never uses.
namespace WindowModule {

constexpr char fileName[] = "libVHSettingsWindow.so";
constexpr char entryName[] = "vhSettingsWindowMain";

// The module's entry: runs the window and returns the process's exit status.
using Entry = int (*)(int &argc, char **argv, uint startTab, const QString &sessionId);

// Loads the module and calls its entry (ModuleLoader.h).
int run(int &argc, char **argv, uint startTab, const QString &sessionId);

} // namespace WindowModule
