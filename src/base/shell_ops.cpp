// Opening documents and addresses, the folder browser and registry strings.
#include <windows.h>

#include <algorithm>

#include "base/file_ops.h"
#include "platform/handles.h"
#include "platform/seams.h"

namespace scrubwell {

bool openDocument(const std::string& path, const std::string& parameters) {
  return fileExists(path) && openAddress(path, parameters);
}

bool openAddress(const std::string& address, const std::string& parameters) {
  return launcher().open(address, parameters, {}, SW_SHOW);
}

bool browseForFolder(HWND owner, const std::string& prompt, std::string& path) {
  return prompts().browseForFolder(owner, prompt, path);
}

std::string readRegistryString(HKEY root, const std::string& key, const std::string& valueName) {
  RegKey k;
  // Create the key when it is missing; where that is not allowed, read it as it is.
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_READ, nullptr, k.put(), nullptr) !=
          ERROR_SUCCESS &&
      RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS)
    return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > 1024 * 1024)
    return {};
  std::string value(size + 1, '\0');
  if (RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return {};
  value.resize(std::min<size_t>(size, value.size()));
  // Stored strings normally carry their terminator; cut at the first NUL either way.
  return value.substr(0, value.find('\0'));
}

}  // namespace scrubwell
