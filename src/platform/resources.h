// The program's own resources: its string table (and, with the wizard, its dialogs).
#pragma once

#include <string>

namespace platform {

// LoadStringA from the program's own module; empty text when there is no such string.
std::string LoadResourceString(unsigned id);

} // namespace platform
