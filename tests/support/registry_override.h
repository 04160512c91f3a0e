// Maps a predefined registry root (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT) onto
// a fresh scratch key for the lifetime of the object, so a test reads and writes only its own keys.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell::test {

class RegistryOverride {
 public:
  explicit RegistryOverride(HKEY root);
  ~RegistryOverride();
  RegistryOverride(const RegistryOverride&) = delete;
  RegistryOverride& operator=(const RegistryOverride&) = delete;

  bool ok() const { return ok_; }
  // The scratch key's path below the real HKEY_CURRENT_USER (for inspection).
  const std::string& scratchPath() const { return path_; }

 private:
  HKEY root_;
  HKEY scratch_ = nullptr;
  std::string path_;
  bool ok_ = false;
};

// Small registry helpers for arranging and checking test state.
bool setRegString(HKEY root, const std::string& key, const std::string& name,
                  const std::string& value);
bool setRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
std::string regString(HKEY root, const std::string& key, const std::string& name);
bool regKeyExists(HKEY root, const std::string& key);
bool regValueExists(HKEY root, const std::string& key, const std::string& name);

}  // namespace scrubwell::test
