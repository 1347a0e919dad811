// Operations that Windows NT carries out at its next start (MoveFileExA with
// MOVEFILE_DELAY_UNTIL_REBOOT alone). Windows keeps them, in call order, as the REG_MULTI_SZ
// value below: pairs of "\??\" + full path and the new name in the same form, an empty new
// name meaning deletion. Windows 95, 98 and Me do not have the call.
#pragma once

#include <string>

namespace platform {

inline constexpr char kSessionManagerKey[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
inline constexpr char kPendingRenamesValue[] = "PendingFileRenameOperations";

// Schedules the rename of existing to newName at the next start of Windows, or its deletion
// when newName is null. An existing file of the new name is not replaced then.
bool ScheduleDelayedMove(const std::string& existing, const char* newName);

} // namespace platform
