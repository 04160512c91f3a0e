// Case mapping of the Windows code page 1252 for the portable core.
#include "platform/text_upper.h"

#include <array>

namespace scrubwell {
namespace {

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  CaseTables() {
    for (int c = 0; c < 256; ++c) upper[c] = lower[c] = static_cast<unsigned char>(c);
    auto pair = [this](int small, int capital) {
      upper[small] = static_cast<unsigned char>(capital);
      lower[capital] = static_cast<unsigned char>(small);
    };
    for (int c = 'a'; c <= 'z'; ++c) pair(c, c - 32);
    // à..þ map to À..Þ, except ÷ (0xF7) which has no case; ß (0xDF) and µ (0xB5) have no
    // upper-case form in this code page.
    for (int c = 0xE0; c <= 0xFE; ++c)
      if (c != 0xF7) pair(c, c - 32);
    pair(0x9A, 0x8A);  // š Š
    pair(0x9C, 0x8C);  // œ Œ
    pair(0x9E, 0x8E);  // ž Ž
    pair(0xFF, 0x9F);  // ÿ Ÿ
  }
};

const CaseTables& tables() {
  static const CaseTables t;
  return t;
}

}  // namespace

char upperChar(char c) { return static_cast<char>(tables().upper[static_cast<unsigned char>(c)]); }

char lowerChar(char c) { return static_cast<char>(tables().lower[static_cast<unsigned char>(c)]); }

std::string toUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperChar(c);
  return out;
}

std::string toLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upperChar(a[i]) != upperChar(b[i])) return false;
  return true;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() &&
         equalsIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

bool isOneOfIgnoringCase(std::string_view text, std::span<const std::string_view> names) {
  for (std::string_view name : names)
    if (equalsIgnoringCase(text, name)) return true;
  return false;
}

}  // namespace scrubwell
