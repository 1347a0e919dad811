// Shell notifications of the sim build: counted on the machine.
#include "platform/shell_notify.h"

#include "platform/sim/machine.h"

namespace platform {

void NotifyAssociationsChanged() { ++sim::Machine::Active().associationChangeNotices; }

} // namespace platform
