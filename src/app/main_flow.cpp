#include "app/main_flow.h"

#include <cstring>

#include "app/command_line.h"
#include "common/ansi_text.h"
#include "common/folder_names.h"
#include "common/maker.h"
#include "common/registry_strings.h"
#include "common/setup_state.h"
#include "install/log_format.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/process_control.h"
#include "platform/shell_execute.h"

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Lines of the home-page shortcut are read through a buffer of this size.
constexpr int kUrlLineBufferSize = 260;

} // namespace

void ApplyInstallSwitches(const std::vector<std::string>& arguments) {
    std::string candidate;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-instdir" && i + 1 < arguments.size()) {
            // The path is looked at as an argument of its own on the next round too.
            candidate = arguments[i + 1];
            if (!platform::PathExists(candidate))
                candidate.clear();
            else if (EndsWithChar(candidate, '\\') || EndsWithChar(candidate, '/'))
                candidate.pop_back();
        } else if (SwitchEquals(argument, "-runafter")) {
            theSetupState.runAfter = 1;
        } else if (SwitchEquals(argument, "-allusers")) {
            theSetupState.allUsers = 1;
        } else if (SwitchEquals(argument, "-autostart")) {
            theSetupState.autoStart = 1;
        } else if (SwitchEquals(argument, "-nodeskico")) {
            theSetupState.desktopIcon = 0;
        }
    }
    if (!candidate.empty())
        theSetupState.installDir = candidate;
}

void ReadEarlierProgramGroup() {
    const std::string& folder = theSetupState.installDir;
    LogReader log(folder + "\\" + kInstallLogName);
    if (!log.IsOpen())
        log = LogReader(folder + "\\" + kEarlierLogName);
    if (!log.IsOpen())
        return;

    const bool allUsers = theSetupState.allUsers != 0;
    const platform::RegKey root = allUsers ? platform::kLocalMachine : platform::kCurrentUser;
    std::string programs =
        ReadRegistryString(root, kShellFolders, allUsers ? "Common Programs" : "Programs");
    const std::string startup = platform::LowerCase(
        ReadRegistryString(root, kShellFolders, allUsers ? "Common Startup" : "Startup"));
    if (!EndsWithChar(programs, '\\'))
        programs += '\\';
    programs = platform::LowerCase(programs);

    const std::size_t prefixLength = std::strlen(kShellLinkPrefix);
    for (std::string line; log.Next(line);) {
        if (!HasPrefix(line, kShellLinkPrefix))
            continue;
        const std::string shortcut = line.substr(prefixLength);
        const std::string lower = platform::LowerCase(shortcut);
        // An empty Startup folder is found in every path, so then no line counts.
        if (lower.compare(0, programs.size(), programs) != 0 ||
            FindText(lower, startup) != std::string::npos)
            continue;
        theSetupState.groupName = ParentFolder(shortcut.substr(programs.size()));
    }
}

std::string InstallScriptQuery() {
    auto file = platform::StreamFile::Open(theSetupState.installDir + "\\HomePage.url", "r");
    if (!file)
        return std::string();
    char line[kUrlLineBufferSize];
    while (file.GetLine(line, sizeof line)) {
        if (std::strncmp(line, "URL=http://", 11) != 0)
            continue;
        const char* query = std::strchr(line, '?');
        std::string text = query ? query : "";
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        return text;
    }
    return std::string();
}

void OpenPageAfterInstall() {
    const std::string query = InstallScriptQuery();
    if (theSetupState.newInstall && !query.empty())
        platform::OpenInShell(kMakerInstallScriptPage + query);
    else
        platform::OpenInShell(kMakerInstalledPage);
}

void StartInstalledProduct() {
    platform::StartProcess(theSetupState.installDir + "\\Pictrv6.exe", theSetupState.installDir);
}
