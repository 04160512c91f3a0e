// One INI file read and written through the system's profile functions. Integers are decimal,
// booleans "1"/"0" (any other integer reads as true); garbage reads as the default.
#pragma once
#include <string>

namespace scrubwell {

class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }
  bool exists() const;

  std::string readString(const std::string& section, const std::string& key,
                         const std::string& fallback = {}) const;
  int readInt(const std::string& section, const std::string& key, int fallback) const;
  bool readBool(const std::string& section, const std::string& key, bool fallback) const;
  // The highest n of the keys prefix + n (n = 1, 2, ...) present in the section; 0 when none.
  // Used to bound loops over a stored count, which may be garbage.
  int highestNumberedKey(const std::string& section, const std::string& prefix) const;

  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInt(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  // Makes the system write cached changes to the file.
  void flush();

 private:
  std::string path_;
};

}  // namespace scrubwell
