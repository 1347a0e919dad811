// The program's resources in the sim build: the same compiled resource file that the
// Windows build links into setup.exe, embedded and read the way Windows reads it.
#include "platform/resources.h"

#include "platform/sim/machine.h"
#include "platform/sim/resource_file.h"

namespace platform {

std::string LoadResourceString(unsigned id) {
    constexpr unsigned kStringTable = 6;
    // Strings live in blocks of sixteen; block n + 1 holds the ids 16n to 16n + 15.
    auto block = sim::FindResource(kStringTable, (id >> 4) + 1);
    std::size_t offset = 0;
    for (unsigned index = 0; offset + 2 <= block.size(); ++index) {
        unsigned length = block[offset] | (block[offset + 1] << 8);
        offset += 2;
        if (index == (id & 15)) {
            std::u16string text;
            for (unsigned i = 0; i < length && offset + 2 * i + 1 < block.size(); ++i)
                text +=
                    static_cast<char16_t>(block[offset + 2 * i] | (block[offset + 2 * i + 1] << 8));
            return sim::ToAnsi(text);
        }
        offset += 2 * length;
    }
    return std::string();
}

} // namespace platform
