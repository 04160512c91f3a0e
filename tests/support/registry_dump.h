// A registry subtree as text for comparing before and after: every key name and, per value, its
// name, type and raw bytes, read through the wide functions so that nothing is converted. Keys
// and values are sorted, so the dump does not depend on the order they were created in.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace scrubwell::test {

// The dump of `path` below `root` with all subkeys; "(missing)" when the key does not exist.
std::string dumpRegistryTree(HKEY root, const std::string& path);

// A digest of the same content in enumeration order, for comparing whole roots quickly.
uint64_t registryTreeDigest(HKEY root, const std::string& path);

// Creates `path` below `root` (with missing parents) and sets a value from raw bytes.
bool setRegRaw(HKEY root, const std::string& path, const std::wstring& name, DWORD type,
               const std::string& bytes);
// Deletes a key with everything below it (test clean-up).
void deleteRegTree(HKEY root, const std::string& path);

}  // namespace scrubwell::test
