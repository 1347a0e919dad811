// The uninstaller takes its own file and folder away by handing over to a copy of itself in
// the temporary folder, which uninstalls and has its own file deleted at the next start of
// Windows.
#pragma once

#include <string>

// Copies the running program to a new "uni" temporary file and replaces this process by it,
// started with "-delself", this program's path and, when silent, "-s". Does not return once
// the copy runs; returns -1 (and starts nothing) when the temporary file cannot be made or
// filled, a path does not fit its buffer, or the copy cannot be started.
int RelaunchFromTemp();

// The copy's run: waits for the starting uninstaller to end, schedules its own deletion,
// deletes the uninstaller at uninstallerPath, uninstalls the folder that held it, tells the
// user unless silent, and ends the program with status 0.
[[noreturn]] void RunSelfRemoval(const std::string& uninstallerPath);
