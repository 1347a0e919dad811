// Shell notifications of the Windows build.
#include "platform/shell_notify.h"

#include "platform/win32/windows_api.h"

#include <shlobj.h>

namespace platform {

void NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

} // namespace platform
