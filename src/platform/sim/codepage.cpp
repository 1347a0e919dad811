// ANSI code page calls of the sim build: the active machine's code page.
#include "platform/codepage.h"

#include "platform/sim/machine.h"

namespace platform {

unsigned AnsiCodePage() {
    return sim::Machine::Active().codePage;
}

bool IsLeadByte(unsigned char c) {
    return sim::Machine::Active().IsLeadByte(c);
}

std::string LowerCase(const std::string& text) {
    return sim::Machine::Active().Lower(text);
}

} // namespace platform
