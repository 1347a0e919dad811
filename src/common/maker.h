// The maker's web addresses as the program uses them; the resource script takes the same
// definitions, so each address is written once.
#pragma once

#include "res/maker_addresses.h"

inline constexpr char kMakerHomePage[] = MAKER_HOME_PAGE;
inline constexpr char kMakerInstallScriptPage[] = MAKER_INSTALL_SCRIPT_PAGE;
inline constexpr char kMakerInstalledPage[] = MAKER_INSTALLED_PAGE;
