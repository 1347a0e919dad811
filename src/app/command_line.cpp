#include "app/command_line.h"

#include <cstring>

namespace {

std::vector<std::string> arguments;

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

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
    const std::size_t length = std::strlen(name);
    if (argument.size() != length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (FoldAscii(argument[i]) != FoldAscii(name[i]))
            return false;
    }
    return true;
}
