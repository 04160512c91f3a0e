// Directory enumeration with the find functions, filtered by the attribute-mask rule.
#include "platform/find.h"

#include "platform/attribute_mask.h"
#include "platform/long_path.h"

namespace scrubwell {
namespace {

// The wide find data in the code page's form; a character the code page lacks becomes "?".
void narrow(const WIN32_FIND_DATAW& wide, WIN32_FIND_DATAA& data) {
  data.dwFileAttributes = wide.dwFileAttributes;
  data.ftCreationTime = wide.ftCreationTime;
  data.ftLastAccessTime = wide.ftLastAccessTime;
  data.ftLastWriteTime = wide.ftLastWriteTime;
  data.nFileSizeHigh = wide.nFileSizeHigh;
  data.nFileSizeLow = wide.nFileSizeLow;
  data.dwReserved0 = wide.dwReserved0;
  data.dwReserved1 = wide.dwReserved1;
  if (!WideCharToMultiByte(CP_ACP, 0, wide.cFileName, -1, data.cFileName, sizeof data.cFileName,
                           "?", nullptr))
    data.cFileName[0] = '\0';
  if (!WideCharToMultiByte(CP_ACP, 0, wide.cAlternateFileName, -1, data.cAlternateFileName,
                           sizeof data.cAlternateFileName, "?", nullptr))
    data.cAlternateFileName[0] = '\0';
}

}  // namespace

FindFiles::FindFiles(const std::string& pattern, DWORD attributeMask) : mask_(attributeMask) {
  wide_ = pattern.size() >= MAX_PATH;
  if (wide_) {
    WIN32_FIND_DATAW found{};
    handle_.reset(FindFirstFileW(systemPath(pattern).c_str(), &found));
    if (handle_) narrow(found, data_);
  } else {
    handle_.reset(FindFirstFileA(pattern.c_str(), &data_));
  }
  done_ = !handle_;
}

bool FindFiles::next() {
  while (!done_) {
    if (first_) {
      first_ = false;
    } else if (!findNext()) {
      done_ = true;
      break;
    }
    if (passesAttributeMask(data_.dwFileAttributes, mask_)) return true;
  }
  return false;
}

bool FindFiles::findNext() {
  if (!wide_) return FindNextFileA(handle_.get(), &data_) != FALSE;
  WIN32_FIND_DATAW found{};
  if (!FindNextFileW(handle_.get(), &found)) return false;
  narrow(found, data_);
  return true;
}

bool FindFiles::isDots() const {
  const char* n = data_.cFileName;
  return n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'));
}

}  // namespace scrubwell
