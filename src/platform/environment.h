// The process's environment variables, as the C runtime's getenv reads them.
#pragma once

#include <optional>
#include <string>

namespace platform {

// getenv: the variable's value, or nullopt when it is not set. Names ignore letter case.
std::optional<std::string> GetEnvironmentValue(const std::string& name);

} // namespace platform
