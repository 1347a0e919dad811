// Processes in the Windows build.
#include "platform/process_control.h"

#include <cstdlib>
#include <process.h>

#include "platform/win32/windows_api.h"

namespace platform {

void Wait(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

bool TerminateProcessById(std::uint32_t processId) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr)
        return false;
    TerminateProcess(process, 0);
    CloseHandle(process);
    return true;
}

bool StartProcess(const std::string& commandLine, const std::string& currentFolder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup; // 68 bytes in a 32-bit program
    PROCESS_INFORMATION info = {};
    std::string line = commandLine; // CreateProcessA may write into its command line
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        currentFolder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

int ExecOverlay(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    return static_cast<int>(_execv(program.c_str(), argv.data()));
}

void ExitProgram(int status) {
    std::exit(status);
}

std::string CreateTempFile(const std::string& folder, const char* prefix) {
    char buffer[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), prefix, 0, buffer) == 0)
        return std::string();
    return buffer;
}

} // namespace platform
