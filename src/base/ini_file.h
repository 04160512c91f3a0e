// One INI file read and written through the system's profile functions. Integers are decimal,
// booleans "1"/"0" (any other integer reads as true); garbage reads as the default.
#pragma once
#include <map>
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
  // Every key of a section with its value, read in one call (cheap even for long lists, where
  // one lookup per key costs time in proportion to the section's length). Keys are upper-cased;
  // the first of repeated keys wins; values lose surrounding quotes as readString's do.
  std::map<std::string, std::string> readSection(const std::string& section) const;

  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInt(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  // Makes the system write cached changes to the file.
  void flush();

 private:
  std::string path_;
};

}  // namespace scrubwell
