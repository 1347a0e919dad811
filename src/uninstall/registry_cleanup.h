// Removing the product's registry entries at uninstall, and giving the image-file
// extensions back to the program that handled them before the product took them over.
#pragma once

#include "platform/registry.h"

// Deletes path under key (a root or an open key) with every sub-key below it, depth first.
// A sub-key that cannot be deleted is passed over, so its parents stay. True when the key
// itself was deleted.
bool DeleteKeyTree(platform::RegKey key, const char* path);

// Deletes path under key, values and all, only when it has no sub-keys.
void DeleteKeyIfNoSubkeys(platform::RegKey key, const char* path);

// The product's key (machine-wide, current user, every loaded user hive), the maker's key
// when nothing else is left in it, the document type, the uninstall entry and App Paths.
void CleanRegistry();

// For each image extension whose association names the product's executable: the kept
// "PictrvOld" association is put back (or the association deleted), and "PictrvOld" goes.
// The shell is told only when an association changed.
void RestoreImageAssociations();
