#include "app/setup_main.h"

// The start-up routine and its modes come with the program core. Until then the program
// installs nothing and says so by its exit status, which no mode of the finished program
// uses.
int SetupMain(int /*argc*/, char** /*argv*/) {
    return 2;
}
