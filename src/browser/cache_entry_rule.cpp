// The rule for the URL cache entries the browser clean-up removes.
#include "browser/cache_entry_rule.h"

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view head) {
  return text.size() >= head.size() && equalsIgnoringCase(text.substr(0, head.size()), head);
}

}  // namespace

bool urlCacheEntryGoes(std::string_view sourceAddress, const BrowserOptions& options) {
  if (startsWithIgnoringCase(sourceAddress, "HTTP")) return true;
  if (options.cookies && startsWithIgnoringCase(sourceAddress, "COOKIE")) return true;
  return options.history && startsWithIgnoringCase(sourceAddress, "VISITED");
}

}  // namespace scrubwell
