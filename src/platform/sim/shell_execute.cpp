// Opening documents and web addresses in the sim build: recorded on the machine.
#include "platform/shell_execute.h"

#include "platform/sim/machine.h"

namespace platform {

bool OpenInShell(const std::string& target) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("OpenInShell"))
        return false;
    machine.runs.opened.push_back(target);
    return true;
}

} // namespace platform
