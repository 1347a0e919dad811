// The setup program's static objects, in the order they must be built: the instance manager
// first, so that the setup is a listed member before anything else runs and leaves the list
// only at the program's normal end; then the application object.
#include "app/setup_app.h"
#include "app/setup_main.h"
#include "instances/instance_manager.h"

COXInstanceManager theInstanceManager;
CSetupApp theApp(theInstanceManager);

int SetupMain(int argc, char** argv) {
    theApp.Run(argc, argv);
    return theApp.ExitStatus();
}
