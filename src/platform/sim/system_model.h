// What the simulated machine models of Windows beyond files and the registry: its family and
// width, the modules it can load, the environment, shortcuts saved through the shell, and
// the message boxes shown to the user. Held by Machine as its member `system`.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sim {

enum class WindowsFamily {
    NT,    // delayed moves kept in the registry
    Win9x, // 95, 98 and Me: no delayed moves; WININIT.INI's "rename" section instead
};

struct SavedShortcut {
    std::string path; // the .lnk file, as passed to Save
    std::string target;
    std::optional<std::string> workingDirectory; // none when never set
    std::optional<std::string> description;
};

struct ShownMessageBox {
    unsigned type = 0;
    std::string caption;
    std::string text;
};

struct SystemModel {
    WindowsFamily family = WindowsFamily::NT;
    bool is64Bit = false;          // the WOW64 answer for this 32-bit program
    bool hasIsWow64Process = true; // older Windows lack the function

    std::string windowsFolder = "C:\\Windows";
    std::string tempFolder = "C:\\Windows\\Temp\\";
    // The folder of the running program, searched first when a module is loaded by name.
    std::string programFolder = "C:\\Source";
    // Modules Windows can load by name (lower case) whatever the folders hold.
    std::set<std::string> loadableModules = {"kernel32.dll", "user32.dll", "ole32.dll",
                                             "shell32.dll"};
    std::map<std::string, std::string> loadedModules; // handle (as text) -> name

    // The program's environment; names are matched without regard to letter case.
    std::map<std::string, std::string> environment = {{"windir", "C:\\Windows"},
                                                      {"TEMP", "C:\\Windows\\Temp"}};

    bool comInitialized = false;
    int comInitializeCalls = 0;
    std::vector<SavedShortcut> shortcuts; // every successful save, in order

    std::vector<ShownMessageBox> messageBoxes; // every box shown, in order
    // Answers the user gives, in order. With none left the box is answered with its first
    // button (OK, Yes, Abort, Retry), the default that Enter chooses.
    std::deque<int> messageBoxAnswers;
};

} // namespace sim
