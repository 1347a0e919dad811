// Processes in the sim build: starts are recorded on the machine, waits add up on its
// clock, and the calls that end the program throw sim::ProgramEnded.
#include "platform/process_control.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/sim/machine.h"
#include "platform/sim/processes.h"
#include "platform/sim/program_end.h"

namespace platform {

void Wait(std::uint32_t milliseconds) {
    sim::Machine::Active().runs.millisecondsWaited += milliseconds;
}

bool TerminateProcessById(std::uint32_t processId) {
    auto& machine = sim::Machine::Active();
    auto& processes = machine.Processes();
    if (!processes.IsRunning(processId) || machine.runs.unterminable.count(processId) ||
        machine.ShouldFail("TerminateProcessById"))
        return false;
    processes.End(processId);
    machine.runs.terminated.push_back(processId);
    return true;
}

namespace {

// The program a command line names, found the way Windows looks for it: the quoted part, or
// else each blank-ended prefix in turn (with ".exe" added where the name has none).
std::string ProgramOf(sim::Machine& machine, const std::string& commandLine) {
    auto isProgram = [&](const std::string& path) {
        const sim::FsNode* node = machine.Find(path);
        return node != nullptr && !node->folder;
    };
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t end = commandLine.find('"', 1);
        const std::string path = commandLine.substr(1, end == std::string::npos ? end : end - 1);
        return isProgram(path) ? path : std::string();
    }
    for (std::size_t end = 0; end != std::string::npos;) {
        end = commandLine.find_first_of(" \t", end + 1);
        const std::string path = commandLine.substr(0, end);
        if (isProgram(path))
            return path;
        if (isProgram(path + ".exe"))
            return path + ".exe";
    }
    return std::string();
}

} // namespace

bool StartProcess(const std::string& commandLine, const std::string& currentFolder) {
    auto& machine = sim::Machine::Active();
    const std::string program = ProgramOf(machine, commandLine);
    if (program.empty() || !machine.IsFolder(currentFolder) ||
        machine.ShouldFail("StartProcess", program))
        return false;
    machine.runs.started.push_back({commandLine, currentFolder, "", false});
    return true;
}

int ExecOverlay(const std::string& program, const std::vector<std::string>& arguments) {
    auto& machine = sim::Machine::Active();
    const sim::FsNode* node = machine.Find(program);
    if (node == nullptr || node->folder || machine.ShouldFail("ExecOverlay", program))
        return -1;
    std::string commandLine;
    for (const auto& argument : arguments)
        commandLine += (commandLine.empty() ? "" : " ") + argument;
    machine.runs.started.push_back({commandLine, machine.currentDirectory, program, true});
    throw sim::ProgramEnded{0, true};
}

void ExitProgram(int status) {
    throw sim::ProgramEnded{status, false};
}

std::string CreateTempFile(const std::string& folder, const char* prefix) {
    auto& machine = sim::Machine::Active();
    const sim::FsNode* where = machine.Find(folder);
    if (where == nullptr || !where->folder || machine.ShouldFail("CreateTempFile", folder))
        return std::string();
    std::string base = folder;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    for (unsigned attempt = 0; attempt < 0x10000; ++attempt) {
        const unsigned number = (machine.runs.nextTempNumber++) & 0xFFFF;
        if (number == 0)
            continue;
        char name[32];
        std::snprintf(name, sizeof name, "%.3s%X.tmp", prefix, number);
        const std::string path = base + name;
        if (machine.Find(path) != nullptr)
            continue;
        auto file = StreamFile::Open(path, "wb");
        return file.IsOpen() ? path : std::string();
    }
    return std::string();
}

} // namespace platform
