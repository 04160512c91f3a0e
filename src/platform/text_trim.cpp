// Cutting blanks off the ends of a text.
#include "platform/text_trim.h"

namespace scrubwell {

std::string_view trimmed(std::string_view text, std::string_view strip) {
  const size_t first = text.find_first_not_of(strip);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(strip) - first + 1);
}

std::string_view trimmedEnd(std::string_view text, std::string_view strip) {
  const size_t last = text.find_last_not_of(strip);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view trimmedOfControls(std::string_view text) {
  auto control = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && control(text.front())) text.remove_prefix(1);
  while (!text.empty() && control(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace scrubwell
