#include "common/setup_state.h"

SetupState theSetupState;

void ResetSetupState() {
    theSetupState = SetupState();
}
