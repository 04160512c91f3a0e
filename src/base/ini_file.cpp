// One INI file through the system's profile functions.
#include "base/ini_file.h"

#include <windows.h>

#include <vector>

#include "base/file_ops.h"
#include "base/settings_values.h"
#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// Values and sections larger than this are cut off; a settings file never needs so much.
constexpr DWORD kMaxValueBytes = 64 * 1024;
constexpr DWORD kMaxSectionBytes = 8 * 1024 * 1024;

}  // namespace

bool IniFile::exists() const { return fileExists(path_); }

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  std::vector<char> buf(2048);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buf.data(),
                                       static_cast<DWORD>(buf.size()), path_.c_str());
    // n == size - 1 means the value may have been cut; try a larger buffer.
    if (n + 1 < buf.size() || buf.size() >= kMaxValueBytes) return std::string(buf.data(), n);
    buf.resize(buf.size() * 4);
  }
}

int IniFile::readInt(const std::string& section, const std::string& key, int fallback) const {
  return parseIniInteger(readString(section, key), fallback);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const {
  return readInt(section, key, fallback ? 1 : 0) != 0;
}

std::map<std::string, std::string> IniFile::readSection(const std::string& section) const {
  // The section's key=value lines, each ended by NUL, the list ended by a second NUL.
  std::vector<char> buf(16 * 1024);
  DWORD n = 0;
  for (;;) {
    n = GetPrivateProfileSectionA(section.c_str(), buf.data(), static_cast<DWORD>(buf.size()),
                                  path_.c_str());
    if (n + 2 < buf.size() || buf.size() >= kMaxSectionBytes) break;
    buf.resize(buf.size() * 4);
  }
  std::map<std::string, std::string> entries;
  for (size_t at = 0; at < n && buf[at];) {
    std::string line(buf.data() + at);
    at += line.size() + 1;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key(trimmed(std::string_view(line).substr(0, eq)));
    std::string value(trimmed(std::string_view(line).substr(eq + 1)));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    entries.emplace(toUpper(key), std::move(value));
  }
  return entries;
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::flush() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

}  // namespace scrubwell
