// Install mode after the running copies have been ended: the settings are gathered, the
// versions compared, and the wizard (or, unattended, the install driver) runs; afterwards a
// web page may open and the product may start.
#pragma once

#include <string>
#include <vector>

// Install mode after the running copies have been ended: 0 when the installation ran to its
// end, 1 when the user declined the version question or left the wizard. Damaged setup files
// (no product version or no file manifest beside the setup) end the program with status 1,
// also unattended.
int RunInstallMainFlow();

// The install switches: "-instdir" with an existing path (case-sensitive; a later one
// overrides, a missing path clears), "-runafter", "-allusers", "-autostart", "-nodeskico".
void ApplyInstallSwitches(const std::vector<std::string>& arguments);

// The program group of an earlier installation, from the "Shell Link: " lines of its
// install log (or "install.log") that lie under the Programs folder and not in Startup: the
// last such line wins. groupName is left as it is when no log can be opened.
void ReadEarlierProgramGroup();

// The query ("?..." up to the line end) of the first "URL=http://" line of the home-page
// shortcut in the install folder; empty when there is none.
std::string InstallScriptQuery();

// After an interactive new installation or upgrade: the install-script page with the query,
// or the installed page.
void OpenPageAfterInstall();

// Starts the installed product, not waiting for it.
void StartInstalledProduct();
