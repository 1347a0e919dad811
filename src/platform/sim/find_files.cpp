// File searches on the simulated machine: the pattern's folder is listed in name order, "."
// and ".." first where Windows returns them; wildcards match as Windows matches long names.
#include "platform/find_files.h"

#include <map>
#include <vector>

#include "platform/files.h"
#include "platform/sim/machine.h"

namespace platform {
namespace {

// Entries not yet returned, by search handle.
std::map<std::uintptr_t, std::vector<FoundEntry>> openSearches;
std::uintptr_t nextSearch = 0x5000;

bool Matches(const std::string& pattern, std::size_t p, const std::string& name, std::size_t n) {
    while (p < pattern.size()) {
        if (pattern[p] == '*') {
            for (std::size_t rest = n; rest <= name.size(); ++rest) {
                if (Matches(pattern, p + 1, name, rest))
                    return true;
            }
            return false;
        }
        if (n >= name.size() || (pattern[p] != '?' && pattern[p] != name[n]))
            return false;
        ++p;
        ++n;
    }
    return n == name.size();
}

// Letter case aside; a pattern ending in ".*" also matches names without an extension.
bool WildcardMatch(const std::string& pattern, const std::string& name) {
    if (Matches(pattern, 0, name, 0))
        return true;
    return pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 &&
           name.find('.') == std::string::npos &&
           Matches(pattern.substr(0, pattern.size() - 2), 0, name, 0);
}

std::uint32_t AttributesOf(const sim::FsNode& node) {
    if (node.folder)
        return node.attributes | kAttrDirectory;
    return node.attributes == 0 ? kAttrNormal : node.attributes;
}

} // namespace

FileSearch FileSearch::Start(const std::string& pattern, FoundEntry* entry) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("FileSearch::Start", pattern))
        return FileSearch();
    // Split at the last separator, by characters of the code page.
    std::size_t split = std::string::npos;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (machine.IsLeadByte(static_cast<unsigned char>(pattern[i])) && i + 1 < pattern.size())
            ++i;
        else if (pattern[i] == '\\' || pattern[i] == '/')
            split = i;
    }
    const std::string folderText =
        split == std::string::npos ? machine.currentDirectory : pattern.substr(0, split + 1);
    const std::string namePattern =
        split == std::string::npos ? pattern : pattern.substr(split + 1);
    if (namePattern.empty())
        return FileSearch();

    std::vector<FoundEntry> entries;
    if (namePattern.find_first_of("*?") == std::string::npos) {
        const sim::FsNode* node = machine.Find(pattern);
        if (node != nullptr)
            entries.push_back({node->name, AttributesOf(*node)});
    } else {
        auto folderPath = machine.Resolve(folderText);
        const sim::FsNode* folder = folderPath ? machine.Node(*folderPath) : nullptr;
        if (folder == nullptr || !folder->folder)
            return FileSearch();
        const std::string folded = machine.Lower(namePattern);
        if (!folderPath->parts.empty()) {
            for (const char* dots : {".", ".."}) {
                if (WildcardMatch(folded, dots))
                    entries.push_back({dots, kAttrDirectory});
            }
        }
        for (const auto& [key, child] : folder->children) {
            if (WildcardMatch(folded, key))
                entries.push_back({child->name, AttributesOf(*child)});
        }
    }
    if (entries.empty())
        return FileSearch();
    *entry = entries.front();
    entries.erase(entries.begin());
    const std::uintptr_t handle = nextSearch++;
    openSearches[handle] = std::move(entries);
    return FileSearch(handle);
}

bool FileSearch::Next(FoundEntry* entry) {
    auto search = openSearches.find(handle_);
    if (search == openSearches.end() || search->second.empty())
        return false;
    *entry = search->second.front();
    search->second.erase(search->second.begin());
    return true;
}

void FileSearch::Close() {
    if (handle_ != 0)
        openSearches.erase(handle_);
    handle_ = 0;
}

} // namespace platform
