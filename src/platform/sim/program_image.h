// Program files of the simulated machine: their bytes carry a fixed file version block the
// way a real program's version resource does, so a copied program keeps its version.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

// The bytes of a program file with the file version a.b.c.d.
std::string ProgramImage(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d);

// The bytes of a program file without a version resource.
std::string ProgramImageWithoutVersion();

} // namespace sim
