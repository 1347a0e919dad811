// The setup program's static objects, in the order they must be built: the instance manager
// first, so that the setup is a listed member before anything else runs and leaves the list
// only at the program's normal end.
#include "instances/instance_manager.h"

COXInstanceManager theInstanceManager;
