// The compiled resource file is a sequence of entries, each a header (sizes, type, name,
// flags, language) followed by its data, both aligned to four bytes.
#include "platform/sim/resource_file.h"

#include "platform/sim/machine.h"

// Generated at build time from src/res by the resource compiler.
extern const unsigned char kSetupResources[];
extern const std::size_t kSetupResourcesSize;

namespace sim {
namespace {

std::uint32_t Dword(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

unsigned Word(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

// A type or name field: 0xFFFF and a number, or a zero-terminated UTF-16 name (given as
// 0 here, since the program addresses every resource by number).
std::size_t ReadId(const unsigned char* p, std::size_t size, unsigned* id) {
    if (size >= 4 && Word(p) == 0xFFFF) {
        *id = Word(p + 2);
        return 4;
    }
    std::size_t length = 0;
    while (length + 2 <= size && Word(p + length) != 0)
        length += 2;
    *id = 0;
    return length + 2;
}

} // namespace

std::vector<std::uint8_t> FindResource(unsigned type, unsigned name) {
    const unsigned char* data = kSetupResources;
    const std::size_t size = kSetupResourcesSize;
    std::size_t offset = 0;
    while (offset + 8 <= size) {
        const std::uint32_t dataSize = Dword(data + offset);
        const std::uint32_t headerSize = Dword(data + offset + 4);
        if (headerSize < 8 || offset + headerSize + dataSize > size)
            break;
        unsigned entryType = 0;
        unsigned entryName = 0;
        std::size_t field = offset + 8;
        field += ReadId(data + field, offset + headerSize - field, &entryType);
        ReadId(data + field, offset + headerSize - field, &entryName);
        if (entryType == type && entryName == name)
            return std::vector<std::uint8_t>(data + offset + headerSize,
                                             data + offset + headerSize + dataSize);
        offset += headerSize + dataSize;
        offset = (offset + 3) & ~static_cast<std::size_t>(3);
    }
    return {};
}

std::string ToAnsi(const std::u16string& text) {
    const unsigned codePage = Machine::Active().codePage;
    std::string result;
    for (char16_t c : text) {
        if (c < 0x80 || (codePage == 1252 && c >= 0xA0 && c <= 0xFF))
            result += static_cast<char>(c);
        else
            result += '?';
    }
    return result;
}

} // namespace sim
