// Program and Windows folders in the sim build: as the machine says.
#include "platform/program_info.h"

#include "platform/sim/machine.h"

namespace platform {

std::string ModuleFileName() {
    return sim::Machine::Active().programPath;
}

std::string WindowsFolder() {
    return sim::Machine::Active().windowsFolder;
}

} // namespace platform
