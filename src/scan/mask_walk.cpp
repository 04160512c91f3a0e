// The junk search's rules on the shared drive walk.
#include "scan/mask_walk.h"

#include "platform/find.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

constexpr DWORD kFilePassMask = 47;  // every file, no folder

// ".xyz" for a mask "*.xyz" whose three characters are ASCII and neither wildcards, dots nor
// blanks; empty for any other mask.
std::string plainEnding(const std::string& mask) {
  if (mask.size() != 5 || mask[0] != '*' || mask[1] != '.') return {};
  for (size_t i = 2; i < 5; ++i) {
    const unsigned char c = static_cast<unsigned char>(mask[i]);
    if (c <= ' ' || c >= 0x80 ||
        std::string_view("*?<>\".|/:").find(static_cast<char>(c)) != std::string_view::npos)
      return {};
  }
  return mask.substr(1);
}

}  // namespace

MaskRules::MaskRules(std::vector<std::string> masks, const ListingScope& scope, Found found)
    : masks_(std::move(masks)), scope_(scope), found_(std::move(found)) {
  prefilters_.reserve(masks_.size());
  for (const auto& m : masks_) {
    prefilters_.emplace_back(m);
    endings_.push_back(plainEnding(m));
  }
  listedByEnding_.resize(masks_.size());
}

MaskWalk::MaskWalk(std::vector<std::string> masks, const SearchExceptions& exceptions,
                   std::string backupFolder, const ProcessFlag& cancel, WalkProgress* progress)
    : scope_(exceptions, std::move(backupFolder)),
      rules_(std::move(masks), scope_,
             [this](const std::string& path, int64_t size) { found_(path, size); }),
      walk_(scope_.exceptions(), cancel, progress) {}

bool MaskWalk::walk(const std::string& folder, const Found& found) {
  found_ = found;
  return walk_.walk(folder, rules_);
}

bool MaskWalk::walk(const std::string& folder, ResultList& list) {
  return walk(folder, [&list](const std::string& path, int64_t size) { list.add(path, size); });
}

void MaskWalk::walkDrives(const std::vector<std::string>& driveRoots, ResultList& list) {
  // Every file the junk search finds starts marked.
  found_ = [&list](const std::string& path, int64_t size) { list.add(path, size, true); };
  walk_.walkDrives(driveRoots, true, rules_);
}

MaskWalk::Stats MaskWalk::stats() const {
  Stats s;
  s.folders = walk_.stats().folders;
  s.entries = walk_.stats().entries + rules_.matchEntries();
  s.maskFinds = rules_.maskFinds();
  s.found = rules_.reported();
  return s;
}

void MaskRules::beginFolder(const std::string& folder) {
  listing_ = scope_.listsFilesIn(folder);
  const bool once = strategy_ == MaskStrategy::enumerateOnce;
  possible_.assign(masks_.size(), !once);
  stillOpen_ = 0;
  for (size_t m = 0; m < masks_.size(); ++m) {
    listedByEnding_[m].clear();
    if (once && !endings_[m].empty())
      possible_[m] = false;
    else if (once && listing_)
      ++stillOpen_;
  }
}

void MaskRules::entry(const std::string& folder, const WIN32_FIND_DATAA& entry) {
  if (!listing_ || isFolder(entry) || strategy_ != MaskStrategy::enumerateOnce) return;
  for (size_t m = 0; m < masks_.size(); ++m)
    if (!endings_[m].empty() && endsWithIgnoringCase(entry.cFileName, endings_[m]) &&
        scope_.allowsFile(folder, entry.cFileName, masks_[m]))
      listedByEnding_[m].emplace_back(entry.cFileName, fileSizeOf(entry));
  if (stillOpen_ == 0) return;
  const char* shortName = entry.cAlternateFileName;
  for (size_t m = 0; m < masks_.size(); ++m) {
    if (possible_[m] || !endings_[m].empty()) continue;
    // A name the system may return for the mask, and that would then be listed: only for such
    // names is the system asked.
    if ((prefilters_[m].mayMatch(entry.cFileName) ||
         (shortName[0] && prefilters_[m].mayMatch(shortName))) &&
        scope_.allowsFile(folder, entry.cFileName, masks_[m])) {
      possible_[m] = true;
      --stillOpen_;
    }
  }
}

bool MaskRules::endFolder(const std::string& folder, WalkPacer& pacer) {
  for (size_t m = 0; m < masks_.size(); ++m) {
    currentMask_ = masks_[m];
    for (const auto& [name, size] : listedByEnding_[m]) {
      ++reported_;
      found_(folder + name, size);
    }
    if (possible_[m] && !reportMatches(folder, masks_[m], pacer)) return false;
  }
  return true;
}

bool MaskRules::reportMatches(const std::string& folder, const std::string& mask,
                              WalkPacer& pacer) {
  ++maskFinds_;
  FindFiles hits(folder + mask, kFilePassMask);
  while (hits.next()) {
    if (hits.isDots()) continue;
    ++matchEntries_;
    if (listing_ && scope_.allowsFile(folder, hits.name(), mask)) {
      ++reported_;
      found_(folder + hits.name(), hits.size());
    }
    if (!pacer.afterEntry(folder)) return false;
  }
  return true;
}

}  // namespace scrubwell
