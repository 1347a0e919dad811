// Reading the embedded compiled resource file (.res) of the program in the sim build.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// The data of the resource with a numeric type and name, empty when there is none.
std::vector<std::uint8_t> FindResource(unsigned type, unsigned name);

// UTF-16 text in the active machine's ANSI code page ('?' where it has no character).
std::string ToAnsi(const std::u16string& text);

} // namespace sim
