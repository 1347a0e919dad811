// How a simulated program ends: the platform calls that end the process in Windows throw
// this in the sim build, so a test runs the program's routines up to their end and then
// reads how it ended.
#pragma once

#include <string>

namespace sim {

struct ProgramEnded {
    int status = 0;
    // True for an end without the end-of-program clean-up (the exec overlay).
    bool immediate = false;
};

} // namespace sim
