// The web and mail address rule.
#include "base/web_address.h"

namespace scrubwell {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// Blanks, control characters and quotes end an address on a command line or in the shell.
bool plainCharacters(std::string_view text) {
  for (unsigned char c : text)
    if (c <= ' ' || c == 0x7f || c == '"' || c == '\'' || c == '<' || c == '>') return false;
  return true;
}

}  // namespace

bool isWebOrMailAddress(std::string_view address) {
  if (address.size() > 2048 || !plainCharacters(address)) return false;
  for (std::string_view scheme : {"http://", "https://"})
    if (startsWithIgnoringCase(address, scheme)) {
      const std::string_view host = address.substr(scheme.size());
      return !host.empty() && host.front() != '/';
    }
  if (startsWithIgnoringCase(address, "mailto:")) {
    const std::string_view mailbox = address.substr(7);
    const size_t at = mailbox.find('@');
    return at != std::string_view::npos && at > 0 && at + 1 < mailbox.size();
  }
  return false;
}

std::string mailLinkFor(std::string_view address) {
  std::string link(address);
  if (!startsWithIgnoringCase(address, "mailto:")) link = "mailto:" + link;
  return isWebOrMailAddress(link) ? link : std::string();
}

}  // namespace scrubwell
