// The registry dump of the tests.
#include "support/registry_dump.h"

#include <algorithm>
#include <vector>

namespace scrubwell::test {
namespace {

std::wstring wide(const std::string& s) {
  std::wstring w(s.size() + 1, L'\0');
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
  w.resize(n > 0 ? n - 1 : 0);
  return w;
}

std::string hex(const BYTE* data, size_t size) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < size; ++i) {
    out += digits[data[i] >> 4];
    out += digits[data[i] & 15];
  }
  return out;
}

std::string hexName(const std::wstring& name) {
  return hex(reinterpret_cast<const BYTE*>(name.data()), name.size() * sizeof(wchar_t));
}

void dumpKey(HKEY key, const std::wstring& path, std::string& out) {
  out += "[" + hexName(path) + "]\n";
  std::vector<std::string> values;
  DWORD maxName = 0, maxData = 0, maxSubkey = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &maxSubkey, nullptr, nullptr, &maxName,
                   &maxData, nullptr, nullptr);
  std::vector<wchar_t> name(std::max(maxName, maxSubkey) + 2);
  std::vector<BYTE> data(maxData + 2);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()),
          type = 0;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
      break;
    values.push_back("  " + hexName(std::wstring(name.data(), nameLength)) +
                     " type=" + std::to_string(type) + " size=" + std::to_string(size) + " " +
                     hex(data.data(), size) + "\n");
  }
  std::sort(values.begin(), values.end());
  for (const auto& v : values) out += v;
  std::vector<std::wstring> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    subkeys.emplace_back(name.data(), length);
  }
  std::sort(subkeys.begin(), subkeys.end());
  for (const auto& s : subkeys) {
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, s.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) {
      out += "[" + hexName(path + L"\\" + s) + "] unreadable\n";
      continue;
    }
    dumpKey(child, path + L"\\" + s, out);
    RegCloseKey(child);
  }
}

void deleteTreeW(HKEY parent, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  wchar_t name[256];
  std::wstring previous;
  for (;;) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    std::wstring child(name, length);
    if (child == previous) break;  // it could not be deleted
    deleteTreeW(key, child);
    previous = child;
  }
  RegCloseKey(key);
  RegDeleteKeyW(parent, path.c_str());
}

struct Digest {
  uint64_t h = 1469598103934665603ull;
  void add(const void* data, size_t size) {
    const auto* b = static_cast<const BYTE*>(data);
    for (size_t i = 0; i < size; ++i) h = (h ^ b[i]) * 1099511628211ull;
  }
};

void digestKey(HKEY key, Digest& d, std::vector<wchar_t>& name, std::vector<BYTE>& data) {
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()),
          type = 0;
    const LONG rc =
        RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (rc == ERROR_MORE_DATA) {
      name.resize(name.size() * 2);
      data.resize(data.size() * 2);
      --i;
      continue;
    }
    if (rc != ERROR_SUCCESS) break;
    d.add(name.data(), nameLength * sizeof(wchar_t));
    d.add(&type, sizeof type);
    d.add(&size, sizeof size);
    d.add(data.data(), size);
  }
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    d.add("[", 1);
    d.add(name.data(), length * sizeof(wchar_t));
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, std::wstring(name.data(), length).c_str(), 0, KEY_READ, &child) !=
        ERROR_SUCCESS)
      continue;
    digestKey(child, d, name, data);
    RegCloseKey(child);
    d.add("]", 1);
  }
}

}  // namespace

uint64_t registryTreeDigest(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  Digest d;
  std::vector<wchar_t> name(1024);
  std::vector<BYTE> data(65536);
  digestKey(key, d, name, data);
  RegCloseKey(key);
  return d.h;
}

std::string dumpRegistryTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "(missing)";
  std::string out;
  dumpKey(key, wide(path), out);
  RegCloseKey(key);
  return out;
}

bool setRegRaw(HKEY root, const std::string& path, const std::wstring& name, DWORD type,
               const std::string& bytes) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const LONG rc =
      RegSetValueExW(key, name.empty() ? nullptr : name.c_str(), 0, type,
                     reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

void deleteRegTree(HKEY root, const std::string& path) { deleteTreeW(root, wide(path)); }

}  // namespace scrubwell::test
