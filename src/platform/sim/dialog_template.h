// Dialog templates of the program's resources, read from the compiled resource file the way
// Windows reads them when it builds a dialog: the simulated windows are made from these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct ControlTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0; // dialog units
    int id = 0;                                // -1 for the unnumbered statics
    std::string className;                     // "Button", "Edit", "Static", ...
    std::string text;                          // in the ANSI code page
    unsigned textResource = 0;                 // a resource number given as the text (pictures)
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    std::string caption;
    std::uint16_t pointSize = 0;
    std::string typeface;
    std::vector<ControlTemplate> controls;
};

// The dialog template with that number, or nothing when there is none or it is malformed.
std::optional<DialogTemplate> LoadDialogTemplate(unsigned id);

} // namespace sim
