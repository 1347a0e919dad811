#include "app/discovery.h"

#include "common/ansi_text.h"
#include "common/registry_strings.h"
#include "platform/program_info.h"
#include "platform/version_info.h"

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Quillmark\\Pictorva 6";
constexpr char kAppPathKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Pictrv6.exe";
constexpr char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

void DropTrailingBackslash(std::string& folder) {
    if (EndsWithChar(folder, '\\'))
        folder.pop_back();
}

} // namespace

std::string FindInstalledFolder() {
    std::string folder = ReadRegistryString(platform::kLocalMachine, kProductKey, "Path");
    if (folder.empty()) {
        const std::string program =
            ReadRegistryString(platform::kLocalMachine, kAppPathKey, nullptr);
        const std::size_t at = FindText(program, "\\Pictrv6.exe");
        folder = at == std::string::npos ? std::string() : program.substr(0, at);
    }
    DropTrailingBackslash(folder);
    return folder;
}

std::string DefaultProgramFilesFolder() {
    std::string folder =
        ReadRegistryString(platform::kLocalMachine, kWindowsKey, "ProgramFilesDir");
    if (folder.empty()) {
        folder = platform::WindowsFolder();
        const std::size_t backslash = FindChar(folder, '\\');
        if (backslash != std::string::npos)
            folder.resize(backslash + 1);
        folder += "Program Files";
    }
    DropTrailingBackslash(folder);
    return folder;
}

std::string SetupProgramFolder() {
    const std::string program = platform::ModuleFileName();
    const std::size_t last = FindLastChar(program, '\\');
    return last == std::string::npos ? std::string() : program.substr(0, last);
}

void ReadFileVersion(const std::string& path) {
    ProductVersion& version = theSetupState.productVersion;
    version = ProductVersion();
    std::uint32_t most = 0;
    std::uint32_t least = 0;
    if (!platform::ReadFixedFileVersion(path, &most, &least))
        return;
    version.major = most >> 16;
    version.minor = most & 0xFFFF;
    version.build = least >> 16;
    version.revision = least & 0xFFFF;
}

std::uint32_t PackedVersion(const ProductVersion& version) {
    return version.major * 1000000u + version.minor * 10000u + version.build * 100u +
           version.revision;
}
