// Delayed moves on the simulated machine: on NT they are recorded exactly as Windows records
// them, in the registry; 95/98/Me do not have the call.
#include "platform/delayed_move.h"

#include "platform/sim/machine.h"

namespace platform {

bool ScheduleDelayedMove(const std::string& existing, const char* newName) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("ScheduleDelayedMove", existing))
        return false;
    if (machine.system.family != sim::WindowsFamily::NT || !machine.userIsAdministrator)
        return false;
    auto from = machine.Resolve(existing);
    if (!from)
        return false;
    std::string to;
    if (newName != nullptr) {
        auto resolved = machine.Resolve(newName);
        if (!resolved)
            return false;
        to = "\\??\\" + resolved->Text();
    }
    std::string data;
    if (auto value = machine.GetRegValue(kLocalMachine, kSessionManagerKey, kPendingRenamesValue))
        data = value->data;
    if (!data.empty() && data.back() == '\0')
        data.pop_back(); // the list's final zero
    data += "\\??\\" + from->Text() + std::string(1, '\0') + to + std::string(2, '\0');
    machine.SetRegValue(kLocalMachine, kSessionManagerKey, kPendingRenamesValue, kRegMultiSz, data);
    return true;
}

} // namespace platform
