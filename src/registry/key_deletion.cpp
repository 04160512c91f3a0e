// Recursive key deletion and value deletion.
#include "registry/key_deletion.h"

#include <vector>

#include "platform/handles.h"
#include "registry/registry_keys.h"

namespace scrubwell {
namespace {

bool keyExists(HKEY root, const std::wstring& path) {
  RegKey key;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

// Subkeys are listed through the wide functions, so a name without an ANSI spelling goes too.
void deleteChildren(HKEY parent, const std::wstring& path) {
  RegKey key;
  if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ | KEY_WRITE, key.put()) != ERROR_SUCCESS)
    return;
  std::vector<std::wstring> names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    const LONG rc = RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  for (const std::wstring& child : names) {
    deleteChildren(key.get(), child);
    RegDeleteKeyW(key.get(), child.c_str());
  }
}

}  // namespace

bool deleteKeyTree(HKEY root, const std::string& path) {
  const std::wstring wide = toWide(path);
  if (wide.empty()) return false;  // never the root itself
  deleteChildren(root, wide);
  RegDeleteKeyW(root, wide.c_str());
  return !keyExists(root, wide);
}

bool deleteRegistryValue(HKEY root, const std::string& path, const std::string& name) {
  RegKey key;
  if (RegOpenKeyExW(root, toWide(path).c_str(), 0, KEY_READ | KEY_SET_VALUE, key.put()) !=
      ERROR_SUCCESS)
    return false;
  const std::wstring wideName = toWide(name);
  RegDeleteValueW(key.get(), wideName.c_str());
  return RegQueryValueExW(key.get(), wideName.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_FILE_NOT_FOUND;
}

}  // namespace scrubwell
