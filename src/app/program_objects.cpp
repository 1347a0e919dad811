// The setup program's static objects, in the order they must be built: the instance manager
// first, so that the setup is a listed member before anything else runs and leaves the list
// only at the program's normal end.
#include "app/setup_main.h"
#include "instances/instance_manager.h"

COXInstanceManager theInstanceManager;

// The application object and its modes are being joined to the wizard; until then the
// program installs nothing and says so by its exit status, which no finished mode uses.
int SetupMain(int /*argc*/, char** /*argv*/) { return 2; }
