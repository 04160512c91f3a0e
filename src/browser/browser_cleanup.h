// The browser clean-up without any window: what it would remove (the URL cache entries and
// profile files the options select) and removing exactly that. The browser window, the
// multi-clean and the command line all run it; a window shows progress through the callback.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/tree_walk.h"
#include "browser/browser_options.h"
#include "browser/url_cache.h"
#include "browser/url_history.h"
#include "platform/seams.h"

namespace scrubwell {

// The files of one profile that go: everything in its cache folder, and its cookie and history
// files when the options ask for them.
struct ProfileTraces {
  std::string browser;
  // Ending with "\": the gated folder, or a missing one as found (it is made, empty, afterwards);
  // empty when the gate refused it, and then nothing of it is touched.
  std::string cacheFolder;
  std::vector<TreeEntry> cacheEntries;  // files and links below the cache folder
  std::vector<TreeEntry> files;         // the cookie and history files
};

struct BrowserTraces {
  std::vector<UrlCacheEntry> urlEntries;
  std::vector<ProfileTraces> profiles;
};

// Collects what the clean-up removes. Touches nothing.
BrowserTraces findBrowserTraces(const BrowserOptions& options);

// One line per trace, as the command line's preview lists them: the URL cache entries' addresses
// first, then the profile files' full paths.
std::vector<std::string> traceLines(const BrowserTraces& traces);

struct BrowserCleaning {
  int64_t freedBytes = 0;            // the sizes of the entries and files really deleted
  int32_t leftovers = 0;             // entries and files that could not be deleted
  bool historyCleared = false;       // the system URL history said it was cleared
  std::vector<std::string> removed;  // the lines of traceLines that went, in that order
};

// Hears the current item (an address, or a browser's name) and the bytes freed so far. Called
// on a time slice and at every browser, so it may pump messages and repaint.
using BrowserProgress = std::function<void(const std::string& item, int64_t freedBytes)>;

// Removes `traces` (and nothing found later). With the history option, clears and flushes the
// URL history `history` with the clock trick on `clock`. Each profile's cache folder is kept (or
// made again) empty. A file or entry that cannot be deleted stays and is not counted.
BrowserCleaning removeBrowserTraces(const BrowserTraces& traces, const BrowserOptions& options,
                                    UrlHistoryStore& history, Clock& clock,
                                    const BrowserProgress& progress);

// The same with the system's clock, and the system's URL history object when the history option
// is on (it is not even created otherwise).
BrowserCleaning removeBrowserTraces(const BrowserTraces& traces, const BrowserOptions& options,
                                    const BrowserProgress& progress);

// The whole clean-up in one call, for the browser window and the multi-clean: finds and removes
// the traces, with the system's URL history and clock.
BrowserCleaning cleanBrowserTraces(const BrowserOptions& options, const BrowserProgress& progress);

}  // namespace scrubwell
