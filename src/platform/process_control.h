// Starting, replacing, waiting for and ending processes, and the program's own end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Sleep.
void Wait(std::uint32_t milliseconds);

// OpenProcess(PROCESS_TERMINATE, no inheritance), TerminateProcess with exit code 0 and
// CloseHandle. False when the process cannot be opened (gone, or another user's).
bool TerminateProcessById(std::uint32_t processId);

// CreateProcessA without an application name: the command line, no inheritance, no flags,
// the inherited environment, currentFolder as the new process's current folder. Not waited
// for. False when the process could not be created.
bool StartProcess(const std::string& commandLine, const std::string& currentFolder);

// The C runtime's exec in its overlay form: starts program (the path, without quotes) with
// the arguments (arguments[0] is the program's own part of the command line; each argument
// is passed as written, quotes included) and ends this process at once, without its
// end-of-program clean-up. Returns -1 only when the new process could not be started.
int ExecOverlay(const std::string& program, const std::vector<std::string>& arguments);

// The C runtime's exit: the program's normal end, with its end-of-program clean-up.
[[noreturn]] void ExitProgram(int status);

// GetTempFileNameA(folder, prefix, 0): creates a new empty file with a unique name
// (prefix, hexadecimal number, ".tmp") and returns its path; empty text on failure.
std::string CreateTempFile(const std::string& folder, const char* prefix);

} // namespace platform
