// One installation from start to end, with every choice already made in theSetupState.
#pragma once

// Over an earlier installation, removes its shortcuts, group folder and the files the new
// manifest marks "File Del: "; then copies the files, writes the install log, makes the
// program group and the shortcuts, writes the registry values and installs the settings files
// found beside the setup package. Asks nothing and reports nothing; failures are passed over.
void PerformInstall();
