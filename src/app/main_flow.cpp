#include "app/main_flow.h"

#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/discovery.h"
#include "common/ansi_text.h"
#include "common/app_message_box.h"
#include "common/folder_names.h"
#include "common/maker.h"
#include "common/registry_strings.h"
#include "common/setup_state.h"
#include "install/install_driver.h"
#include "install/log_format.h"
#include "platform/codepage.h"
#include "platform/current_folder.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process_control.h"
#include "platform/resources.h"
#include "platform/shell_execute.h"
#include "ui/win_app.h"
#include "wizard/setup_dlg.h"

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Lines of the home-page shortcut are read through a buffer of this size.
constexpr int kUrlLineBufferSize = 260;
constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";
constexpr char kProductExecutable[] = "\\Pictrv6.exe";

constexpr unsigned kOlderVersionQuestion = 16;
constexpr unsigned kSameVersionQuestion = 17;
constexpr unsigned kDamagedSetup = 18;
constexpr unsigned kYesNoQuestion = 0x24;
constexpr unsigned kOkStop = 0x10;

// Over an installed copy as new as this setup's, or newer: asks whether to go on.
bool ConfirmInstallOver(const ProductVersion& installed) {
    const ProductVersion& ours = theSetupState.productVersion;
    char text[1024];
    if (PackedVersion(ours) < PackedVersion(installed))
        std::snprintf(text, sizeof text,
                      platform::LoadResourceString(kOlderVersionQuestion).c_str(),
                      static_cast<int>(installed.major), static_cast<int>(installed.minor),
                      static_cast<int>(installed.build), static_cast<int>(installed.revision),
                      static_cast<int>(ours.major), static_cast<int>(ours.minor),
                      static_cast<int>(ours.build), static_cast<int>(ours.revision));
    else
        std::snprintf(text, sizeof text, platform::LoadResourceString(kSameVersionQuestion).c_str(),
                      static_cast<int>(ours.major), static_cast<int>(ours.minor),
                      static_cast<int>(ours.build), static_cast<int>(ours.revision));
    return AfxMessageBox(text, kYesNoQuestion) == platform::kIdYes;
}

// Runs the wizard as the application's main window; true when it ended with Finish.
bool RunWizard() {
    CSetupDlg frame;
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
        app->m_pMainWnd = &frame;
    const auto result = frame.DoModal();
    if (app != nullptr)
        app->m_pMainWnd = nullptr;
    return result == platform::kIdOk;
}

} // namespace

int RunInstallMainFlow() {
    SetupState& state = theSetupState;
    state.installDir = FindInstalledFolder();
    state.sourceDir = SetupProgramFolder();
    if (state.installDir.empty()) {
        state.installDir = DefaultProgramFilesFolder() + "\\Pictorva 6";
        state.newInstall = 1;
    }
    ApplyInstallSwitches(ProgramArguments());
    state.groupName = "Pictorva 6";

    if (!state.newInstall) {
        ReadFileVersion(state.installDir + kProductExecutable);
        const ProductVersion installed = state.productVersion;
        ReadFileVersion(state.sourceDir + kProductExecutable);
        if (state.silent || PackedVersion(installed) < PackedVersion(state.productVersion))
            state.upgradeInstall = 1;
        else if (!ConfirmInstallOver(installed))
            return 1;
        state.allUsers =
            ReadRegistryString(platform::kLocalMachine, kProductKey, "AllUsers") == "B" ? 1 : 0;
        ReadEarlierProgramGroup();
    } else {
        ReadFileVersion(state.sourceDir + kProductExecutable);
    }

    if (state.productVersion.major == 0 ||
        !platform::PathExists(state.sourceDir + "\\" + kInstallLogName)) {
        AfxMessageBox(platform::LoadResourceString(kDamagedSetup), kOkStop);
        platform::OpenInShell(kMakerHomePage);
        platform::ExitProgram(1);
    }

    if (state.silent) {
        if (state.newInstall)
            state.allUsers = 1;
        PerformInstall();
    } else if (!RunWizard()) {
        return 1;
    }

    platform::SetCurrentFolder(state.installDir);
    if (!state.silent && (state.newInstall || state.upgradeInstall))
        OpenPageAfterInstall();
    if (state.runAfter)
        StartInstalledProduct();
    return 0;
}

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
