#include "common/folder_names.h"

#include "common/ansi_text.h"
#include "platform/files.h"

void NormalizeFolderName(std::string& name) {
    for (std::size_t pos = 0; pos < name.size(); pos = NextCharPos(name, pos)) {
        if (name[pos] == '/' && NextCharPos(name, pos) == pos + 1)
            name[pos] = '\\';
    }
    name = TrimChars(name, " \t\r\n\\");
}

void AppendSeparator(std::string& folder) {
    if (!EndsWithChar(folder, '\\') && !EndsWithChar(folder, '/'))
        folder += '\\';
}

std::string ParentFolder(const char* path) {
    if (path == nullptr)
        return std::string();
    std::string folder = path;
    if (EndsWithChar(folder, '\\'))
        folder.pop_back();
    const std::size_t last = FindLastChar(folder, '\\');
    if (last == std::string::npos || last == 0)
        return std::string();
    return folder.substr(0, last);
}

void CreateFolderChain(const std::string& prefix, const std::string& path) {
    for (std::size_t pos = FindChar(path, '\\', 1); pos != std::string::npos;
         pos = FindChar(path, '\\', pos + 1))
        platform::CreateFolder(prefix + path.substr(0, pos));
    platform::CreateFolder(prefix + path);
}

std::string DriveAndFolder(const std::string& path) {
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' && NextCharPos(path, 0) == 1)
        start = 2;
    // The folder part runs to the last separator of either kind.
    std::size_t end = start;
    for (std::size_t pos = start; pos < path.size(); pos = NextCharPos(path, pos)) {
        if ((path[pos] == '\\' || path[pos] == '/') && NextCharPos(path, pos) == pos + 1)
            end = pos + 1;
    }
    return path.substr(0, end);
}
