// Processes: the identity of the running process.
#pragma once

#include <cstdint>

namespace platform {

// GetCurrentProcessId.
std::uint32_t CurrentProcessId();

} // namespace platform
