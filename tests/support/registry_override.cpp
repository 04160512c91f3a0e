// Scratch registry roots for tests (RegOverridePredefKey) and small registry helpers.
#include "support/registry_override.h"

namespace scrubwell::test {
namespace {

// Deletes a key and everything below it (RegDeleteTree is not on every system we target).
void deleteTree(HKEY parent, const std::string& name) {
  HKEY k;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &k) == ERROR_SUCCESS) {
    char sub[256];
    for (;;) {
      DWORD n = sizeof sub;
      if (RegEnumKeyExA(k, 0, sub, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      deleteTree(k, sub);
    }
    RegCloseKey(k);
  }
  RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

RegistryOverride::RegistryOverride(HKEY root) : root_(root) {
  static unsigned counter = 0;
  path_ = "Software\\ScrubwellTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  // Open the real HKCU before any override can redirect it.
  HKEY base = nullptr;
  RegOpenKeyExA(HKEY_USERS, ".DEFAULT", 0, KEY_ALL_ACCESS, &base);
  if (!base) return;
  if (RegCreateKeyExA(base, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &scratch_,
                      nullptr) == ERROR_SUCCESS) {
    ok_ = RegOverridePredefKey(root_, scratch_) == ERROR_SUCCESS;
  }
  RegCloseKey(base);
}

RegistryOverride::~RegistryOverride() {
  RegOverridePredefKey(root_, nullptr);
  if (scratch_) RegCloseKey(scratch_);
  HKEY base = nullptr;
  if (RegOpenKeyExA(HKEY_USERS, ".DEFAULT", 0, KEY_ALL_ACCESS, &base) == ERROR_SUCCESS) {
    deleteTree(base, path_);
    RegCloseKey(base);
  }
}

bool setRegString(HKEY root, const std::string& key, const std::string& name,
                  const std::string& value) {
  HKEY k;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
    return false;
  bool ok = RegSetValueExA(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(k);
  return ok;
}

bool setRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
  HKEY k;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
    return false;
  bool ok = RegSetValueExA(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value) == ERROR_SUCCESS;
  RegCloseKey(k);
  return ok;
}

std::string regString(HKEY root, const std::string& key, const std::string& name) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k)) return {};
  char buf[4096];
  DWORD size = sizeof buf - 1, type = 0;
  std::string out;
  if (RegQueryValueExA(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
      ERROR_SUCCESS) {
    buf[size] = '\0';
    out = buf;
  }
  RegCloseKey(k);
  return out;
}

bool regKeyExists(HKEY root, const std::string& key) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k)) return false;
  RegCloseKey(k);
  return true;
}

bool regValueExists(HKEY root, const std::string& key, const std::string& name) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k)) return false;
  bool ok = RegQueryValueExA(k, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(k);
  return ok;
}

}  // namespace scrubwell::test
