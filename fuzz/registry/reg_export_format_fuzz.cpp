// Fuzzes the REGEDIT4 text with registry names and data of any bytes: whatever a value or key
// holds, its text is either refused or ends its lines only where the format allows (after a
// "\" that continues hex data, and at its end), so registry data can never add lines of its own
// to an import; and the hex bytes read back give the data.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "registry/reg_export_format.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 2) return 0;
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  const uint32_t types[] = {0, 1, 2, 3, 4, 7, 11, 0x12345};
  scrubwell::RegValueText v;
  v.type = types[bytes[0] & 7];
  v.quoted = (bytes[0] & 8) != 0;
  v.isDefault = (bytes[0] & 16) != 0;
  const size_t split = bytes[1] % (size - 1);
  v.name = input.substr(2, split);
  v.data = input.substr(2 + split);

  const std::string text = scrubwell::regValueLines(v);
  if (!text.empty()) {
    check(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    for (size_t i = 0; i + 2 < text.size(); ++i) {
      check(text[i] != '\n');
      if (text[i] == '\r') {
        check(text[i + 1] == '\n' && i > 1 && text[i - 1] == '\\' && text[i - 2] == ',');
        ++i;  // past the line feed that belongs to it
      }
    }
    // Hex data reads back as the bytes it was written from.
    const size_t hex = text.find("=hex");
    if (hex != std::string::npos && (!v.quoted || v.type != scrubwell::kRegSz) &&
        !(v.type == scrubwell::kRegDword && v.data.size() == 4) &&
        text.find(':', hex) != std::string::npos && v.name.find("=hex") == std::string::npos) {
      std::string back;
      for (size_t i = text.find(':', hex) + 1; i + 1 < text.size(); ++i) {
        const int hi = hexValue(text[i]), lo = hexValue(text[i + 1]);
        if (hi < 0 || lo < 0) continue;
        back += static_cast<char>(hi * 16 + lo);
        ++i;
      }
      check(back == v.data);
    }
  }
  const std::string key = scrubwell::regKeyLines("HKEY_LOCAL_MACHINE", v.name);
  if (!key.empty()) {
    check(key.compare(0, 3, "\r\n[") == 0 && key.compare(key.size() - 3, 3, "]\r\n") == 0);
    check(key.find('\n', 2) == key.size() - 1 && key.find(']') == key.size() - 3);
  }
  return 0;
}
