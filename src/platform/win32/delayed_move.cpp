// Delayed moves: MoveFileExA with MOVEFILE_DELAY_UNTIL_REBOOT alone.
#include "platform/delayed_move.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool ScheduleDelayedMove(const std::string& existing, const char* newName) {
    return MoveFileExA(existing.c_str(), newName, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

} // namespace platform
