// The REGEDIT4 text of keys and values.
#include "registry/reg_export_format.h"

namespace scrubwell {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Backslashes and double quotes escaped, as the registry editor reads quoted text back.
std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

void appendHexBytes(std::string_view bytes, std::string& out) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 15];
    if (i + 1 == bytes.size()) break;
    out += ',';
    if (i > 0 && i % 25 == 0) out += "\\\r\n";
  }
}

}  // namespace

std::string regFileHeader() { return "REGEDIT4\r\n"; }

bool fitsQuoted(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string regKeyLines(std::string_view rootName, std::string_view keyPath) {
  if (!keyPath.empty() && keyPath.back() == '\\') keyPath.remove_suffix(1);
  if (!fitsQuoted(keyPath) || keyPath.find(']') != std::string_view::npos) return {};
  std::string out = "\r\n[";
  out.append(rootName);
  if (!keyPath.empty()) {
    out += '\\';
    out.append(keyPath);
  }
  out += "]\r\n";
  return out;
}

std::string regValueLines(const RegValueText& v) {
  if (!v.isDefault && !fitsQuoted(v.name)) return {};
  std::string out = v.isDefault ? std::string("@") : escaped(v.name);
  out += '=';
  if (v.quoted && v.type == kRegSz) {
    if (!fitsQuoted(v.data)) return {};
    out += escaped(v.data);
  } else if (v.type == kRegDword && v.data.size() == 4) {
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(v.data[i]);
    out += "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) out += kHexDigits[(n >> shift) & 15];
  } else {
    if (v.type == kRegBinary) {
      out += "hex:";
    } else {
      out += "hex(";
      std::string digits;
      uint32_t t = v.type;
      do {
        digits.insert(digits.begin(), kHexDigits[t & 15]);
        t >>= 4;
      } while (t);
      out += digits + "):";
    }
    appendHexBytes(v.data, out);
  }
  out += "\r\n";
  return out;
}

}  // namespace scrubwell
