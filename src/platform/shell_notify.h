// Telling the shell about changes it caches.
#pragma once

namespace platform {

// SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, null, null): file associations changed.
void NotifyAssociationsChanged();

} // namespace platform
