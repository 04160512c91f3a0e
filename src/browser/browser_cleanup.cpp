// Finding and removing the browser traces.
#include "browser/browser_cleanup.h"

#include <windows.h>

#include <set>

#include "base/tree_removal.h"
#include "browser/browser_profiles.h"
#include "browser/cache_entry_rule.h"
#include "browser/history_flush.h"
#include "scan/folder_gate.h"

namespace scrubwell {
namespace {

// Calls the progress callback when about 15 ms have passed, so a long run keeps its window alive
// without paying a repaint and a pump for every entry.
class ProgressPacer {
 public:
  explicit ProgressPacer(const BrowserProgress& progress) : progress_(progress) {}
  void maybe(const std::string& item, int64_t freed) {
    if (GetTickCount() - last_ >= 15) now(item, freed);
  }
  void now(const std::string& item, int64_t freed) {
    if (progress_) progress_(item, freed);
    last_ = GetTickCount();
  }

 private:
  const BrowserProgress& progress_;
  DWORD last_ = GetTickCount();
};

bool stillThere(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<TreeEntry> listTree(const std::string& folder) {
  std::vector<TreeEntry> entries;
  walkTree(folder, [&entries](const TreeEntry& e) {
    if (e.kind != TreeEntry::Kind::folder) entries.push_back(e);
    return true;
  });
  return entries;
}

void addFile(const std::string& path, std::vector<TreeEntry>& files) {
  if (path.empty()) return;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
  const int64_t size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  files.push_back({TreeEntry::Kind::file, path, size, data.dwFileAttributes});
}

void removeUrlEntries(const BrowserTraces& traces, BrowserCleaning& done, ProgressPacer& pacer) {
  for (const UrlCacheEntry& entry : traces.urlEntries) {
    pacer.maybe(entry.address, done.freedBytes);
    if (deleteUrlCacheEntry(entry.address)) {
      done.freedBytes += entry.size;
      done.removed.push_back(entry.address);
    } else {
      ++done.leftovers;
    }
  }
}

void removeProfile(const ProfileTraces& profile, BrowserCleaning& done, ProgressPacer& pacer) {
  pacer.now(profile.browser, done.freedBytes);
  if (!profile.cacheFolder.empty()) {
    std::set<std::string> planned;
    for (const TreeEntry& e : profile.cacheEntries) planned.insert(e.path);
    // Only what was found goes (a file written since stays); a locked file is passed over and
    // the rest of the folder still goes.
    const TreeDeletion deletion =
        deleteTree(profile.cacheFolder, false,
                   [&planned](const TreeEntry& e) { return planned.count(e.path) != 0; });
    done.freedBytes += deletion.freedBytes;
    for (const TreeEntry& e : profile.cacheEntries) {
      if (stillThere(e.path))
        ++done.leftovers;
      else
        done.removed.push_back(e.path);
    }
    CreateDirectoryA(profile.cacheFolder.c_str(), nullptr);  // the browser expects it
  }
  for (const TreeEntry& file : profile.files) {
    SetFileAttributesA(file.path.c_str(), file.attributes & ~FILE_ATTRIBUTE_READONLY);
    if (DeleteFileA(file.path.c_str())) {
      done.freedBytes += file.size;
      done.removed.push_back(file.path);
    } else {
      ++done.leftovers;
    }
  }
  pacer.now(profile.browser, done.freedBytes);
}

}  // namespace

BrowserTraces findBrowserTraces(const BrowserOptions& options) {
  BrowserTraces traces;
  forEachUrlCacheEntry([&](const UrlCacheEntry& entry) {
    if (urlCacheEntryGoes(entry.address, options)) traces.urlEntries.push_back(entry);
  });
  for (const BrowserProfile& found : findBrowserProfiles(options)) {
    ProfileTraces profile;
    profile.browser = found.browser;
    const GatedFolder gated = passFolderGate(found.cacheFolder);
    if (gated.passed()) {
      profile.cacheFolder = gated.folder;
      profile.cacheEntries = listTree(gated.folder);
    } else if (gated.refusal == FolderRefusal::missing) {
      profile.cacheFolder = found.cacheFolder;  // made again, empty, after the clean-up
    }
    addFile(found.cookieFile, profile.files);
    addFile(found.historyFile, profile.files);
    traces.profiles.push_back(std::move(profile));
  }
  return traces;
}

std::vector<std::string> traceLines(const BrowserTraces& traces) {
  std::vector<std::string> lines;
  for (const UrlCacheEntry& entry : traces.urlEntries) lines.push_back(entry.address);
  for (const ProfileTraces& profile : traces.profiles) {
    for (const TreeEntry& e : profile.cacheEntries) lines.push_back(e.path);
    for (const TreeEntry& e : profile.files) lines.push_back(e.path);
  }
  return lines;
}

BrowserCleaning removeBrowserTraces(const BrowserTraces& traces, const BrowserOptions& options,
                                    UrlHistoryStore& history, Clock& clock,
                                    const BrowserProgress& progress) {
  BrowserCleaning done;
  ProgressPacer pacer(progress);
  pacer.now("Internet Explorer", 0);
  removeUrlEntries(traces, done, pacer);
  if (options.history) {
    try {
      done.historyCleared = flushUrlHistory(history, clock);
    } catch (...) {
      // The clock is back already (the flush restores it on every way out); the history
      // simply does not count as cleared.
      done.historyCleared = false;
    }
  }
  for (const ProfileTraces& profile : traces.profiles) removeProfile(profile, done, pacer);
  return done;
}

BrowserCleaning removeBrowserTraces(const BrowserTraces& traces, const BrowserOptions& options,
                                    const BrowserProgress& progress) {
  if (!options.history) {
    NoUrlHistory untouched;
    return removeBrowserTraces(traces, options, untouched, theClock(), progress);
  }
  UrlHistory history;
  return removeBrowserTraces(traces, options, history, theClock(), progress);
}

BrowserCleaning cleanBrowserTraces(const BrowserOptions& options, const BrowserProgress& progress) {
  return removeBrowserTraces(findBrowserTraces(options), options, progress);
}

}  // namespace scrubwell
