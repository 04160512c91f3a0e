// Directory enumeration with the find functions, filtered by the attribute-mask rule.
#include "platform/find.h"

#include "platform/attribute_mask.h"

namespace scrubwell {

FindFiles::FindFiles(const std::string& pattern, DWORD attributeMask) : mask_(attributeMask) {
  handle_.reset(FindFirstFileA(pattern.c_str(), &data_));
  done_ = !handle_;
}

bool FindFiles::next() {
  while (!done_) {
    if (first_) {
      first_ = false;
    } else if (!FindNextFileA(handle_.get(), &data_)) {
      done_ = true;
      break;
    }
    if (passesAttributeMask(data_.dwFileAttributes, mask_)) return true;
  }
  return false;
}

bool FindFiles::isDots() const {
  const char* n = data_.cFileName;
  return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

}  // namespace scrubwell
