// The text of a registry-editor file version 4 ("REGEDIT4"): the header, key lines and value
// lines, with every value written so that the registry editor's import gives back its exact type
// and bytes. Lines end with CR LF; the file is in the ANSI code page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace scrubwell {

inline constexpr uint32_t kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4,
                          kRegMultiSz = 7;

// "REGEDIT4" and its line end.
std::string regFileHeader();

// An empty line, then "[" + root name + "\" + key path + "]"; one trailing backslash of the path
// is dropped. Empty when the path cannot stand in a key line (a line break or "]" in it).
std::string regKeyLines(std::string_view rootName, std::string_view keyPath);

// How a value is to be written, decided by the caller from its type and bytes.
struct RegValueText {
  std::string name;  // ANSI; the default value when `isDefault`
  bool isDefault = false;
  uint32_t type = kRegNone;
  std::string data;     // the bytes to write: for kRegSz written as a quoted string, the
                        // ANSI text without its terminator; otherwise the raw bytes
  bool quoted = false;  // a plain string: "..." (type kRegSz only)
};

// The value's line(s), each ending with CR LF: name part, "=", data part. A 4-byte 32-bit number
// is "dword:" and 8 upper-case hex digits; binary data is "hex:"; every other type, and strings
// that are not written quoted, "hex(<type>):" with the bytes. Hex bytes are upper-case, separated
// by ","; after byte 25 and then after every 25th byte the line goes on after "\" and a line end.
// Empty when the name or a quoted string holds a line break or NUL (they cannot be written).
std::string regValueLines(const RegValueText& value);

// True when `text` can be written between double quotes: no CR, LF or NUL.
bool fitsQuoted(std::string_view text);

}  // namespace scrubwell
