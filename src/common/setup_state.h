// The one process-wide record of the installation's settings. Plain data: every routine that
// reads or writes a field reaches the global instance directly.
#pragma once

#include <cstdint>
#include <string>

// A file version a.b.c.d: major a, minor b, build c, revision d, each a 16-bit number. The
// fields are declared lowest first, as the product's version block lays them out.
struct ProductVersion {
    std::uint32_t revision = 0;
    std::uint32_t build = 0;
    std::uint32_t minor = 0;
    std::uint32_t major = 0;
};

struct SetupState {
    std::int32_t silent = 0;
    std::string installDir;
    std::string sourceDir;
    std::string groupName;
    std::int32_t allUsers = 0;
    std::int32_t autoStart = 0;
    std::int32_t desktopIcon = 1;
    std::int32_t runAfter = 0;
    std::int32_t newInstall = 0;
    std::int32_t upgradeInstall = 0;
    ProductVersion productVersion;
};

extern SetupState theSetupState;

// Gives every field its value at program start again (for tests that run the program's
// routines several times in one process).
void ResetSetupState();
