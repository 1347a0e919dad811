#include "app/command_line.h"

#include "common/ansi_text.h"

namespace {

std::vector<std::string> arguments;

} // namespace

void SetProgramArguments(int argc, char** argv) {
    arguments.clear();
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
}

const std::vector<std::string>& ProgramArguments() {
    return arguments;
}

bool SwitchEquals(const std::string& argument, const char* name) {
    return EqualsIgnoringCase(argument, name);
}
