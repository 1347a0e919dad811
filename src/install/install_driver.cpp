#include "install/install_driver.h"

#include <cstdio>
#include <optional>
#include <string>

#include "common/folder_names.h"
#include "common/maker.h"
#include "common/registry_strings.h"
#include "common/setup_state.h"
#include "install/copy_files.h"
#include "install/install_file.h"
#include "install/log_format.h"
#include "install/shortcuts.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "res/resource.h"
#include "uninstall/remove_logged.h"

namespace {

constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";
constexpr char kAppPathsKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe";
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pictorva 6";
constexpr char kPublisher[] = "Quillmark Technology LLC";
constexpr char kProductWorkingFolder[] = "%APPDATA%";
// A programs folder shorter than this is taken as unusable.
constexpr std::size_t kMinProgramsFolderLength = 4;

// A shell folder of all users or of the current user.
std::string ShellFolder(const char* allUsersValue, const char* userValue) {
    if (theSetupState.allUsers)
        return ReadRegistryString(platform::kLocalMachine, kShellFoldersKey, allUsersValue);
    return ReadRegistryString(platform::kCurrentUser, kShellFoldersKey, userValue);
}

std::string LinkName(unsigned stringId) {
    return "\\" + platform::LoadResourceString(stringId) + ".lnk";
}

} // namespace

void PerformInstall() {
    SetupState& state = theSetupState;
    const std::string manifest = state.sourceDir + "\\" + kInstallLogName;
    const std::string installLog = state.installDir + "\\" + kInstallLogName;

    if (!state.newInstall) {
        RemoveLinksAndMadeFolders(state.installDir + "\\" + kEarlierLogName);
        RemoveLinksAndMadeFolders(installLog);
        RemoveListedFiles(manifest, state.installDir, kFileDelPrefix);
    }

    CopyManifestFiles(manifest);

    CopyMatchingFiles(kInstallLogName, state.installDir, state.sourceDir);
    AppendLogLine(installLog, "");

    std::string programs;
    if (state.allUsers) {
        programs = ReadRegistryString(platform::kLocalMachine, kShellFoldersKey, "Common Programs");
        if (programs.size() < kMinProgramsFolderLength)
            state.allUsers = 0;
    }
    if (!state.allUsers)
        programs = ReadRegistryString(platform::kCurrentUser, kShellFoldersKey, "Programs");

    NormalizeFolderName(state.groupName);
    CreateFolderChain(programs + "\\", state.groupName);
    const std::string group = programs + "\\" + state.groupName;
    AppendLogLine(installLog, kMadeDirPrefix + group);

    const std::string product = state.installDir + "\\Pictrv6.exe";
    if (platform::PathExists(group)) {
        CreateShortcut(product, group + LinkName(IDS_PRODUCT_NAME), kProductWorkingFolder);
        CreateShortcut(state.installDir + "\\Pictrv6Man.chm", group + LinkName(IDS_HELP_SHORTCUT),
                       std::nullopt);
        CreateShortcut(state.installDir + "\\readme.txt", group + LinkName(IDS_README_SHORTCUT),
                       std::nullopt);
        CreateShortcut(state.installDir + "\\PictrvUnInst.exe",
                       group + LinkName(IDS_UNINSTALL_SHORTCUT), std::nullopt);
    }
    if (state.desktopIcon) {
        CreateShortcut(product,
                       ShellFolder("Common Desktop", "Desktop") + LinkName(IDS_PRODUCT_NAME),
                       kProductWorkingFolder);
    }
    if (state.autoStart) {
        CreateShortcut(product,
                       ShellFolder("Common Startup", "Startup") + LinkName(IDS_PRODUCT_NAME),
                       kProductWorkingFolder);
    }

    char version[64];
    std::snprintf(
        version, sizeof version, "%d.%02d.%02d", static_cast<int>(state.productVersion.major),
        static_cast<int>(state.productVersion.minor), static_cast<int>(state.productVersion.build));
    const auto hklm = platform::kLocalMachine;
    WriteRegistryString(hklm, kProductKey, "AllUsers", state.allUsers ? "B" : "A");
    WriteRegistryString(hklm, kProductKey, "Path", state.installDir);
    WriteRegistryString(hklm, kAppPathsKey, nullptr, product);
    WriteRegistryString(hklm, kUninstallKey, "Contact", "Support");
    WriteRegistryString(hklm, kUninstallKey, "DisplayName",
                        platform::LoadResourceString(IDS_PRODUCT_NAME));
    WriteRegistryString(hklm, kUninstallKey, "DisplayVersion", version);
    WriteRegistryString(hklm, kUninstallKey, "Publisher", kPublisher);
    WriteRegistryString(hklm, kUninstallKey, "UninstallString",
                        state.installDir + "\\PictrvUnInst.exe");
    WriteRegistryString(hklm, kUninstallKey, "URLInfoAbout", kMakerHomePage);

    // Settings files placed beside the setup package, whose path "sfxname" gives.
    if (auto package = platform::GetEnvironmentValue("sfxname")) {
        const std::string folder = ParentFolder(*package);
        if (!folder.empty()) {
            InstallFile("Pictrv6.ini", folder, state.installDir);
            InstallFile("Pictrv6.reg", folder, state.installDir);
        }
    }
}
