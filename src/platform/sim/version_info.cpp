// Version resources of the sim build: the fixed file version block is found in the file's
// bytes by its signature, as it lies inside a real program's version resource.
#include "platform/version_info.h"

#include "platform/sim/machine.h"
#include "platform/sim/program_image.h"

namespace sim {
namespace {

constexpr std::uint32_t kSignature = 0xFEEF04BD;
constexpr std::uint32_t kStructVersion = 0x00010000;

void PutDword(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t GetDword(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::string ProgramImage(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    std::string bytes = ProgramImageWithoutVersion();
    PutDword(bytes, kSignature);
    PutDword(bytes, kStructVersion);
    PutDword(bytes, (std::uint32_t{a} << 16) | b); // file version, most significant
    PutDword(bytes, (std::uint32_t{c} << 16) | d); // file version, least significant
    PutDword(bytes, (std::uint32_t{a} << 16) | b); // product version
    PutDword(bytes, (std::uint32_t{c} << 16) | d);
    bytes += std::string(28, '\0'); // flags, OS, type, date
    return bytes;
}

std::string ProgramImageWithoutVersion() {
    return std::string("MZ\x90\0program\0", 12);
}

} // namespace sim

namespace platform {

bool ReadFixedFileVersion(const std::string& path, std::uint32_t* versionMS,
                          std::uint32_t* versionLS) {
    auto& machine = sim::Machine::Active();
    if (machine.ShouldFail("ReadFixedFileVersion", path))
        return false;
    const sim::FsNode* node = machine.Find(path);
    if (node == nullptr || node->folder)
        return false;
    const std::string& bytes = *node->data;
    for (std::size_t at = 0; at + 16 <= bytes.size(); ++at) {
        if (sim::GetDword(bytes, at) == sim::kSignature &&
            sim::GetDword(bytes, at + 4) == sim::kStructVersion) {
            *versionMS = sim::GetDword(bytes, at + 8);
            *versionLS = sim::GetDword(bytes, at + 12);
            return true;
        }
    }
    return false;
}

} // namespace platform
