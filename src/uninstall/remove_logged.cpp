#include "uninstall/remove_logged.h"

#include <cstring>
#include <vector>

#include "common/ansi_text.h"
#include "common/folder_names.h"
#include "install/install_file.h"
#include "install/log_format.h"
#include "platform/file_ops.h"
#include "platform/files.h"
#include "platform/find_files.h"

namespace {

constexpr char kWhiteSpace[] = " \t\r\n\v\f";

constexpr const char* kFilePrefixes[] = {kFileCopyPrefix, kFileCopyX64Prefix, kFileCopyIndPrefix,
                                         kFileOverwritePrefix, kFileDelPrefix};

} // namespace

void RemoveLinksAndMadeFolders(const std::string& logPath) {
    LogReader log(logPath);
    if (!log.IsOpen())
        return;
    std::string line;
    while (log.Next(line)) {
        if (HasPrefix(line, kShellLinkPrefix))
            platform::RemoveFile(line.substr(std::strlen(kShellLinkPrefix)));
    }
    log.Rewind();
    while (log.Next(line)) {
        if (!HasPrefix(line, kMadeDirPrefix))
            continue;
        for (std::string folder = line.substr(std::strlen(kMadeDirPrefix));
             !folder.empty() && platform::RemoveFolder(folder);)
            folder = ParentFolder(folder);
    }
}

void RemoveListedFiles(const std::string& logPath, const std::string& folder, const char* prefix) {
    std::vector<const char*> prefixes;
    if (prefix != nullptr)
        prefixes.push_back(prefix);
    else
        prefixes.assign(std::begin(kFilePrefixes), std::end(kFilePrefixes));

    LogReader log(logPath);
    if (!log.IsOpen())
        return;
    std::string line;
    while (log.Next(line)) {
        for (const char* candidate : prefixes) {
            if (!HasPrefix(line, candidate))
                continue;
            const std::size_t note = FindText(line, " | ");
            if (note != std::string::npos)
                line.resize(note);
            std::string entry = line.substr(std::strlen(candidate));
            const std::size_t arrow = FindChar(entry, '>');
            if (arrow != std::string::npos) {
                const std::size_t target = entry.find_first_not_of(kWhiteSpace, arrow + 1);
                entry = target == std::string::npos ? std::string() : entry.substr(target);
            }
            DeleteMatchingFiles(entry, folder);
            break;
        }
    }

    // Installing needs a folder's line before its subfolders'; removing needs the reverse.
    log.Rewind();
    std::vector<std::string> madeFolders;
    while (log.Next(line)) {
        if (HasPrefix(line, kMakeDirPrefix))
            madeFolders.push_back(folder + "\\" + line.substr(std::strlen(kMakeDirPrefix)));
    }
    for (auto made = madeFolders.rbegin(); made != madeFolders.rend(); ++made)
        platform::RemoveFolder(*made);
}

int DeleteMatchingFiles(const std::string& pattern, const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && !EndsWithChar(base, '\\') && !EndsWithChar(base, '/'))
        base += '\\';
    const std::string searchPath = base + pattern;
    if (searchPath.size() > kMaxPathLength)
        return 0;
    platform::FoundEntry entry;
    platform::FileSearch search = platform::FileSearch::Start(searchPath, &entry);
    if (!search)
        return 0;
    const std::size_t subfolderEnd = FindLastChar(pattern, '\\');
    const std::string subfolder =
        subfolderEnd == std::string::npos ? std::string() : pattern.substr(0, subfolderEnd + 1);
    int deleted = 0;
    do {
        // "." and ".." name the folder itself and its parent, which are never deleted here:
        // clearing their attributes would only change folders that may not be the product's
        // (the Programs folder above a program group is read-only for the shell's sake).
        if (entry.name == "." || entry.name == "..")
            continue;
        const std::string path = base + subfolder + entry.name;
        if (path.size() > kMaxPathLength)
            continue;
        const std::uint32_t attributes = platform::GetFileAttrs(path);
        if (attributes != platform::kInvalidAttributes)
            platform::SetFileAttrs(path,
                                   attributes & ~(platform::kAttrReadOnly | platform::kAttrHidden));
        if (platform::RemoveFile(path))
            ++deleted;
    } while (search.Next(&entry));
    return deleted;
}
