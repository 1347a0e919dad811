// Removing an installation of the product, given the folder it was installed in.
#pragma once

#include <string>

// In this order: the registry entries and image associations; what the earlier version's
// "install.log" and the install log record; the install log; the install folder (when
// empty); then the product's fixed-name shortcuts and group in the all-users shell folders
// and in those of every loaded user hive. folder ends with a backslash. Shows nothing.
void PerformUninstall(const std::string& folder);
