// The program's command-line arguments, from the first on (the program's own path excluded),
// split by the C runtime's rules. Set once by the entry before the application starts.
#pragma once

#include <string>
#include <vector>

void SetProgramArguments(int argc, char** argv);
const std::vector<std::string>& ProgramArguments();

// The C runtime's _stricmp for equality: letters A to Z match their small forms.
bool SwitchEquals(const std::string& argument, const char* name);
