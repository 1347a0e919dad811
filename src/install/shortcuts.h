// Writing one shortcut (.lnk) file through the shell and recording it in the install log.
#pragma once

#include <optional>
#include <string>

#include "platform/shell_link.h"

// Limits of the original buffers: the target's text, and the shortcut file's path in UTF-16
// units with its terminating zero. A shortcut beyond them is not made, silently.
inline constexpr std::size_t kMaxShortcutTargetLength = 511;
inline constexpr std::size_t kShortcutPathUnits = 260;

// Makes a shortcut to target (one pair of enclosing double quotes dropped) at linkPath, with
// an empty description and, when given, the working directory as it stands. COM is started
// by the first call of the process. "SetPath failed!" and "SetDescription failed!" are shown
// but do not stop the save; a saved shortcut is appended to the install log as a
// "Shell Link: " line. Returns the result of the last COM step taken.
platform::HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                                 const std::optional<std::string>& workingDirectory);

// Forgets that COM was started, for tests that run the program's routines on several
// simulated machines in one process.
void ForgetComStarted();
