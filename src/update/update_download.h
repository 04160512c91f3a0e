// Fetching one file of an update over wininet so that only a whole, correct file ever appears
// under its name: the body goes to a temporary name beside it, which is renamed when the status
// was 200, exactly the announced length arrived and, for a program or library, the file begins
// with a valid executable header.
#pragma once
#include <functional>
#include <string>

namespace scrubwell {

enum class DownloadResult { Done, Failed, Cancelled };

struct DownloadCallbacks {
  // Receives the progress texts (texts 314 and 313 with the file name, kilobytes or percent).
  std::function<void(const std::string&)> status;
  // Asked between reads; true stops the download, which then leaves no file behind.
  std::function<bool()> cancelled;
};

// Downloads `address` into `file`. An existing `file` is replaced only by a whole download; on
// failure or cancel it is left as it was and the temporary file is removed. Keeps the window
// responsive (pumps on a time slice) while it reads.
DownloadResult downloadWhole(const std::string& address, const std::string& file,
                             const DownloadCallbacks& callbacks = {});

}  // namespace scrubwell
