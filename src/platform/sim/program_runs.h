// What the simulated program started, waited for and ended: recorded for tests to read.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sim {

struct StartedProcess {
    std::string commandLine;
    std::string currentFolder;
    std::string program; // the program named apart from the command line (exec), else empty
    bool replacedCaller = false; // started by the exec overlay, which ended the caller
};

struct ProgramRuns {
    std::vector<StartedProcess> started;
    std::vector<std::uint32_t> terminated;
    std::set<std::uint32_t> unterminable; // processes this user may not open for termination
    std::vector<std::string> opened; // documents and web addresses given to the shell
    std::uint64_t millisecondsWaited = 0;
    unsigned nextTempNumber = 0x1A2B;
};

} // namespace sim
