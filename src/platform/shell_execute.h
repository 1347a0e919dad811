// Opening a document or web address in the program the user has for it.
#pragma once

#include <string>

namespace platform {

// ShellExecuteA(no window, "open", target, no parameters, no folder, SW_SHOW); the result is
// not used by the program, but true when the shell accepted it.
bool OpenInShell(const std::string& target);

} // namespace platform
