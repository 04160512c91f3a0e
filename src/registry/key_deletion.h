// Deleting registry keys and values by their exact names: a key goes with all its subkeys,
// deepest first.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell {

// Deletes the key `path` below `root` and everything under it. True when the key is gone
// afterwards (also when it was not there).
bool deleteKeyTree(HKEY root, const std::string& path);

// Deletes the value `name` of the key `path`. True when the value is gone afterwards.
bool deleteRegistryValue(HKEY root, const std::string& path, const std::string& name);

}  // namespace scrubwell
