// The next start of Windows on the simulated machine: what was scheduled for it is carried
// out in order, through the same file calls the running system makes.
#include <cstring>
#include <vector>

#include "platform/delayed_move.h"
#include "platform/file_ops.h"
#include "platform/profile.h"
#include "platform/sim/machine.h"

namespace sim {
namespace {

void EndHolds(FsNode& node) {
    node.hold = Hold::None;
    for (auto& [key, child] : node.children)
        EndHolds(*child);
}

std::string WithoutNtPrefix(const std::string& path) {
    return path.compare(0, 4, "\\??\\") == 0 ? path.substr(4) : path;
}

} // namespace

void Machine::Restart() {
    for (auto& [letter, root] : drives_)
        EndHolds(*root);

    if (system.family == WindowsFamily::NT) {
        auto key = FindKey(platform::kLocalMachine, platform::kSessionManagerKey);
        auto value = GetRegValue(platform::kLocalMachine, platform::kSessionManagerKey,
                                 platform::kPendingRenamesValue);
        if (!key || !value)
            return;
        std::vector<std::string> strings;
        for (std::size_t start = 0; start < value->data.size();) {
            std::size_t end = value->data.find('\0', start);
            if (end == std::string::npos)
                end = value->data.size();
            strings.push_back(value->data.substr(start, end - start));
            start = end + 1;
        }
        for (std::size_t i = 0; i + 1 < strings.size() && !strings[i].empty(); i += 2) {
            const std::string from = WithoutNtPrefix(strings[i]);
            if (strings[i + 1].empty())
                platform::RemoveFile(from);
            else
                platform::MoveFileTo(from, WithoutNtPrefix(strings[i + 1]));
        }
        key->values.erase(Lower(platform::kPendingRenamesValue));
        return;
    }

    const std::string ini = system.windowsFolder + "\\WININIT.INI";
    std::vector<char> block(1 << 20);
    platform::ReadIniSection("rename", block.data(), static_cast<std::uint32_t>(block.size()),
                             ini.c_str());
    for (const char* entry = block.data(); *entry != '\0'; entry += std::strlen(entry) + 1) {
        const std::string line = entry;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string to = line.substr(0, equals);
        const std::string from = line.substr(equals + 1);
        if (Lower(to) == "nul")
            platform::RemoveFile(from);
        else
            platform::MoveFileTo(from, to);
    }
    // Windows keeps the carried-out file as WININIT.BAK.
    const std::string backup = system.windowsFolder + "\\WININIT.BAK";
    platform::RemoveFile(backup);
    platform::MoveFileTo(ini, backup);
}

} // namespace sim
