#include "install/copy_files.h"

#include <cstring>
#include <optional>

#include "common/ansi_text.h"
#include "common/folder_names.h"
#include "common/setup_state.h"
#include "install/install_file.h"
#include "install/log_format.h"
#include "platform/file_ops.h"
#include "platform/files.h"
#include "platform/find_files.h"
#include "platform/modules.h"
#include "platform/wow64.h"

namespace {

constexpr char kWhiteSpace[] = " \t\r\n\v\f";
constexpr char kHiddenModuleSuffix[] = ".toinst";

std::string TrimTrailingWhiteSpace(const std::string& text) {
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string TrimLeadingWhiteSpace(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    return first == std::string::npos ? std::string() : text.substr(first);
}

// A file entry: every match of a name or pattern, or one file installed under a target.
void CopyEntry(const std::string& entry) {
    const std::size_t arrow = FindChar(entry, '>');
    if (arrow == std::string::npos) {
        CopyMatchingFiles(entry, theSetupState.installDir, theSetupState.sourceDir);
        return;
    }
    InstallFile(TrimTrailingWhiteSpace(entry.substr(0, arrow)), theSetupState.sourceDir,
                theSetupState.installDir, TrimLeadingWhiteSpace(entry.substr(arrow + 1)));
}

// True when Windows loads the module by its name alone while the setup's own copy is hidden
// under another name; the copy gets its name back in every case.
bool WindowsHasModule(const std::string& entry) {
    std::string name = entry;
    const std::size_t arrow = FindChar(entry, '>');
    if (arrow != std::string::npos)
        name = TrimTrailingWhiteSpace(entry.substr(0, arrow));
    std::string path = theSetupState.sourceDir;
    AppendSeparator(path);
    path += name;
    platform::MoveFileTo(path, path + kHiddenModuleSuffix);
    platform::ScopedModule module = platform::ScopedModule::Load(name);
    platform::MoveFileTo(path + kHiddenModuleSuffix, path);
    return module.IsLoaded();
}

} // namespace

bool RunningUnderWow64() {
    bool wow64 = false;
    return platform::AskIsWow64Process(&wow64) && wow64;
}

void CopyManifestFiles(const std::string& manifestPath) {
    const bool wow64 = RunningUnderWow64();
    LogReader manifest(manifestPath);
    for (std::string line; manifest.Next(line);) {
        if (HasPrefix(line, kFileCopyPrefix)) {
            CopyEntry(line.substr(std::strlen(kFileCopyPrefix)));
        } else if (wow64 && HasPrefix(line, kFileCopyX64Prefix)) {
            CopyEntry(line.substr(std::strlen(kFileCopyX64Prefix)));
        } else if (HasPrefix(line, kFileCopyIndPrefix)) {
            const std::string entry = line.substr(std::strlen(kFileCopyIndPrefix));
            if (!WindowsHasModule(entry))
                CopyEntry(entry);
        } else if (HasPrefix(line, kMakeDirPrefix)) {
            platform::CreateFolder(theSetupState.installDir + "\\" +
                                   line.substr(std::strlen(kMakeDirPrefix)));
        }
    }
}

int CopyMatchingFiles(const std::string& pattern, const std::string& destination,
                      const std::string& source) {
    std::string searchPath = source;
    AppendSeparator(searchPath);
    searchPath += pattern;
    platform::FoundEntry entry;
    platform::FileSearch search = platform::FileSearch::Start(searchPath, &entry);
    if (!search)
        return 0;

    if (platform::GetFileAttrs(destination) == platform::kInvalidAttributes) {
        std::string chain = destination;
        NormalizeFolderName(chain);
        for (std::size_t pos = FindChar(chain, '\\', 1); pos != std::string::npos;
             pos = FindChar(chain, '\\', pos + 1))
            platform::CreateFolder(chain.substr(0, pos));
        platform::CreateFolder(destination);
    }

    std::string from = source;
    std::string to = destination;
    const std::size_t subfolderEnd = FindLastChar(pattern, '\\');
    if (subfolderEnd != std::string::npos) {
        from = searchPath.substr(0, FindLastChar(searchPath, '\\'));
        to = destination + "\\" + pattern.substr(0, subfolderEnd);
    }

    int copied = 0;
    do {
        if (entry.name == "." || entry.name == ".." ||
            (entry.attributes & platform::kAttrDirectory))
            continue;
        if (!InstallFile(entry.name, from, to))
            break;
        ++copied;
    } while (search.Next(&entry));
    return copied;
}
