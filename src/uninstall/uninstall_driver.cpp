#include "uninstall/uninstall_driver.h"

#include <cstring>

#include "install/log_format.h"
#include "platform/current_folder.h"
#include "platform/file_ops.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "uninstall/registry_cleanup.h"
#include "uninstall/remove_logged.h"

using namespace platform;

namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kProductShortcut[] = "\\Pictorva 6.lnk";
constexpr char kProductGroup[] = "\\Pictorva 6\\";

// Shell-folder paths are read into a buffer of this size, and the shortcut's or group's
// name is appended in the same buffer.
constexpr std::size_t kShellPathBufferSize = 512;

// The shell-folder value, or empty text when it is missing or does not fit.
std::string ReadShellFolder(RegKey key, const char* name) {
    char buffer[kShellPathBufferSize];
    buffer[0] = '\0';
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    if (QueryValue(key, name, &type, buffer, &size) != kErrorSuccess)
        return std::string();
    return std::string(buffer, strnlen(buffer, size < sizeof buffer ? size : sizeof buffer));
}

// folder + name when it fits the buffer; a path that does not fit is not acted on at all.
bool JoinInBuffer(const std::string& folder, const char* name, std::string* path) {
    if (folder.size() + std::strlen(name) + 1 > kShellPathBufferSize)
        return false;
    *path = folder + name;
    return true;
}

void DeleteProductShortcut(RegKey shellFolders, const char* valueName) {
    const std::string folder = ReadShellFolder(shellFolders, valueName);
    std::string shortcut;
    if (!folder.empty() && JoinInBuffer(folder, kProductShortcut, &shortcut))
        RemoveFile(shortcut);
}

// Empties and removes the product group under the Programs folder (read before the key
// closes).
void RemoveProductGroup(const std::string& programs) {
    std::string group;
    if (programs.empty() || !JoinInBuffer(programs, kProductGroup, &group))
        return;
    DeleteMatchingFiles("*.*", group);
    RemoveFolder(group);
}

// The product's shortcuts and group in one set of shell folders (all users, or one user);
// the key is closed once the Programs folder has been read, before the group is cleared.
void SweepShellFolders(ScopedKey& shellFolders, const char* startup, const char* desktop,
                       const char* programs) {
    DeleteProductShortcut(shellFolders.get(), startup);
    DeleteProductShortcut(shellFolders.get(), desktop);
    const std::string programsFolder = ReadShellFolder(shellFolders.get(), programs);
    shellFolders.Reset();
    RemoveProductGroup(programsFolder);
}

} // namespace

void PerformUninstall(const std::string& folder) {
    CleanRegistry();
    RestoreImageAssociations();

    const std::string earlierLog = folder + kEarlierLogName;
    const std::string installLog = folder + kInstallLogName;
    RemoveLinksAndMadeFolders(earlierLog);
    RemoveLinksAndMadeFolders(installLog);
    RemoveListedFiles(earlierLog, folder);
    RemoveListedFiles(installLog, folder);
    DeleteMatchingFiles(kInstallLogName, folder);

    // The install folder cannot go while it is the current folder.
    SetCurrentFolder("\\");
    RemoveFolder(folder);

    ScopedKey common;
    if (OpenKey(kLocalMachine, kShellFolders, kKeyQueryValue, common.out()) == kErrorSuccess)
        SweepShellFolders(common, "Common Startup", "Common Desktop", "Common Programs");

    char hiveName[kShellPathBufferSize];
    for (std::uint32_t index = 0;
         EnumKey(kUsers, index, hiveName, sizeof hiveName) == kErrorSuccess; ++index) {
        ScopedKey hive;
        if (OpenKey(kUsers, hiveName, kKeyAllAccess, hive.out()) != kErrorSuccess)
            continue;
        ScopedKey user;
        if (OpenKey(hive.get(), kShellFolders, kKeyAllAccess, user.out()) == kErrorSuccess)
            SweepShellFolders(user, "Startup", "Desktop", "Programs");
    }
}
