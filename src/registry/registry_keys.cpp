// Read-only registry access of the registry cleaner.
#include "registry/registry_keys.h"

namespace scrubwell {

bool toAnsiExactly(const std::wstring& wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                    static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return false;
  ansi.resize(static_cast<size_t>(n));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      ansi.data(), n, nullptr, &usedDefault);
  if (usedDefault) return false;
  return toWide(ansi) == wide;
}

std::wstring toWide(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return wide;
}

KeyOpening openKeyForReading(HKEY root, const std::string& path, RegKey& key) {
  const LONG rc = RegOpenKeyExW(root, toWide(path).c_str(), 0, KEY_READ, key.put());
  if (rc == ERROR_SUCCESS) return KeyOpening::opened;
  return rc == ERROR_FILE_NOT_FOUND || rc == ERROR_PATH_NOT_FOUND ? KeyOpening::missing
                                                                  : KeyOpening::failed;
}

namespace {

NameList enumerate(HKEY key, bool values) {
  NameList list;
  DWORD maxSubkey = 0, maxValue = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &maxSubkey, nullptr, nullptr,
                       &maxValue, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    list.complete = false;
    return list;
  }
  std::vector<wchar_t> buffer((values ? maxValue : maxSubkey) + 2);
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG rc =
        values ? RegEnumValueW(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
               : RegEnumKeyExW(key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc == ERROR_MORE_DATA) {  // the key grew since it was measured
      buffer.resize(buffer.size() * 2 + 256);
      --i;
      continue;
    }
    if (rc != ERROR_SUCCESS) {
      list.complete = false;
      break;
    }
    std::string name;
    if (toAnsiExactly(std::wstring(buffer.data(), length), name))
      list.names.push_back(std::move(name));
    else
      ++list.unspellable;
  }
  return list;
}

}  // namespace

NameList subkeyNames(HKEY key) { return enumerate(key, false); }
NameList valueNames(HKEY key) { return enumerate(key, true); }

std::string readStringValue(HKEY key, const std::string& name) {
  const std::wstring wideName = toWide(name);
  // Most values fit the first buffer, so one call reads them.
  std::wstring text(260, L'\0');
  DWORD type = 0, size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  LONG rc = RegQueryValueExW(key, wideName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(text.data()), &size);
  if (rc == ERROR_MORE_DATA && (type == REG_SZ || type == REG_EXPAND_SZ)) {
    text.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    rc = RegQueryValueExW(key, wideName.c_str(), nullptr, &type,
                          reinterpret_cast<BYTE*>(text.data()), &size);
  }
  if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  text.resize(size / sizeof(wchar_t));
  if (size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
  std::string ansi;
  if (!toAnsiExactly(text, ansi)) return {};  // a path the ANSI functions could not find
  return ansi;
}

}  // namespace scrubwell
