// The REGEDIT4 export of keys and values.
#include "registry/registry_export.h"

#include <vector>

#include "base/file_ops.h"
#include "base/recycle.h"
#include "registry/reg_export_format.h"
#include "registry/registry_keys.h"

namespace scrubwell {
namespace {

// String values (plain, expandable, multi): the registry editor reads them back from version-4
// files as ANSI text and ends them with a NUL when they lack one. So a value is written exactly
// when it is empty or ends with a NUL and every character has an ANSI spelling: a plain string
// without inner NULs or line breaks between quotes, the others as hex(<type>) with the ANSI
// bytes. Any other string value cannot be given back exactly.
bool stringValue(const std::wstring& data, size_t bytes, RegValueText& v) {
  if (bytes == 0) return true;
  if (bytes % 2 != 0 || data.empty() || data.back() != L'\0') return false;
  std::string ansi;
  if (!toAnsiExactly(data, ansi) || ansi.size() != data.size()) return false;
  const std::string text = ansi.substr(0, ansi.size() - 1);
  if (v.type == REG_SZ && text.find('\0') == std::string::npos && fitsQuoted(text)) {
    v.data = text;
    v.quoted = true;
  } else {
    v.data = ansi;
  }
  return true;
}

// One value read through the wide functions; false when it cannot be written exactly.
bool valueText(const std::wstring& name, DWORD type, const std::vector<BYTE>& data, DWORD size,
               RegValueText& v) {
  v = {};
  v.isDefault = name.empty();
  if (!toAnsiExactly(name, v.name)) return false;
  v.type = type;
  const std::wstring wide(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
  if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ)
    return stringValue(wide, size, v);
  v.data.assign(reinterpret_cast<const char*>(data.data()), size);
  return true;
}

}  // namespace

std::string regRootName(HKEY root) {
  if (root == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (root == HKEY_USERS) return "HKEY_USERS";
  if (root == HKEY_PERFORMANCE_DATA) return "HKEY_PERFORMANCE_DATA";
  if (root == HKEY_CURRENT_CONFIG) return "HKEY_CURRENT_CONFIG";
  if (root == HKEY_DYN_DATA) return "HKEY_DYN_DATA";
  return {};
}

bool RegistryExportFile::create(const std::string& path) {
  file_.reset();
  created_ = writeFailed_ = false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    sendToRecycleBin(path);
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  }
  file_.reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) return false;
  created_ = true;
  write(ExportResult::written, regFileHeader());
  return !writeFailed_;
}

ExportResult RegistryExportFile::write(ExportResult result, const std::string& text) {
  if (result != ExportResult::written) return result;
  if (!file_ || writeFailed_) return ExportResult::failed;
  DWORD written = 0;
  if (!WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    writeFailed_ = true;
    return ExportResult::failed;
  }
  return ExportResult::written;
}

bool RegistryExportFile::appendTree(HKEY root, HKEY key, const std::string& path,
                                    std::string& text) {
  if (pace_) pace_();
  const std::string keyLines = regKeyLines(regRootName(root), path);
  if (keyLines.empty()) return false;
  text += keyLines;
  DWORD maxName = 0, maxData = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                       &maxData, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::vector<wchar_t> name(maxName + 2);
  std::vector<BYTE> data(maxData + 2);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG rc =
        RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc == ERROR_MORE_DATA) {  // the value grew since the key was measured
      name.resize(name.size() * 2 + 256);
      data.resize(data.size() * 2 + 4096);
      --i;
      continue;
    }
    if (rc != ERROR_SUCCESS) return false;
    RegValueText value;
    if (!valueText(std::wstring(name.data(), nameLength), type, data, size, value)) return false;
    const std::string lines = regValueLines(value);
    if (lines.empty()) return false;
    text += lines;
    if (pace_) pace_();
  }
  const NameList subkeys = subkeyNames(key);
  if (!subkeys.complete || subkeys.unspellable) return false;
  for (const std::string& sub : subkeys.names) {
    RegKey child;
    if (openKeyForReading(key, sub, child) != KeyOpening::opened) return false;
    if (!appendTree(root, child.get(), path + "\\" + sub, text)) return false;
  }
  return true;
}

ExportResult RegistryExportFile::exportTree(HKEY root, const std::string& path) {
  RegKey key;
  const KeyOpening o = openKeyForReading(root, path, key);
  if (o == KeyOpening::missing) return ExportResult::missing;
  std::string text;
  if (o == KeyOpening::failed || !appendTree(root, key.get(), path, text))
    return ExportResult::failed;
  return write(ExportResult::written, text);
}

ExportResult RegistryExportFile::exportValue(HKEY root, const std::string& path,
                                             const std::string& valueName) {
  RegKey key;
  const KeyOpening o = openKeyForReading(root, path, key);
  if (o == KeyOpening::missing) return ExportResult::missing;
  if (o == KeyOpening::failed) return ExportResult::failed;
  const std::wstring wideName = toWide(valueName);
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return ExportResult::missing;
  if (rc != ERROR_SUCCESS) return ExportResult::failed;
  std::vector<BYTE> data(size + 2);
  size = static_cast<DWORD>(data.size());
  if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, data.data(), &size) !=
      ERROR_SUCCESS)
    return ExportResult::failed;
  RegValueText value;
  const std::string keyLines = regKeyLines(regRootName(root), path);
  if (keyLines.empty() || !valueText(wideName, type, data, size, value))
    return ExportResult::failed;
  const std::string lines = regValueLines(value);
  if (lines.empty()) return ExportResult::failed;
  if (pace_) pace_();
  return write(ExportResult::written, keyLines + lines);
}

bool RegistryExportFile::close() {
  if (!file_) return false;
  const bool flushed = FlushFileBuffers(file_.get()) != 0;
  const bool closed = CloseHandle(file_.release()) != 0;
  const bool ok = created_ && !writeFailed_ && flushed && closed;
  created_ = false;
  return ok;
}

}  // namespace scrubwell
