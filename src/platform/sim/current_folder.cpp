// The current folder in the sim build: the machine's, which must name an existing folder.
#include "platform/current_folder.h"

#include "platform/sim/machine.h"

namespace platform {

bool SetCurrentFolder(const std::string& path) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("SetCurrentFolder", path))
        return false;
    auto resolved = machine.Resolve(path);
    if (!resolved)
        return false;
    const sim::FsNode* node = machine.Node(*resolved);
    if (node == nullptr || !node->folder)
        return false;
    machine.currentDirectory = resolved->Text();
    return true;
}

std::string CurrentFolder() {
    return sim::Machine::Active().currentDirectory;
}

} // namespace platform
