// The table of clean-ups.
#include "scan/cleanup_table.h"

#include <array>

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

using enum CleanupId;
constexpr auto kDrive = CleanupStart::driveScan, kDirect = CleanupStart::direct,
               kWindow = CleanupStart::ownWindow;

// id, done mark, page, row, chooser box, command name, button text, chooser text, start
constexpr std::array<Cleanup, DoneMarks::kCount> kCleanups = {{
    {junkSearch, DoneMark::junkSearch, 1, 0, 1, "junk", 5110, 5182, kDrive},
    {brokenShortcuts, DoneMark::brokenShortcuts, 2, 0, 2, "links", 5116, 5183, kDrive},
    {zeroByteFiles, DoneMark::zeroByteFiles, 1, 1, 3, "zero", 5111, 5184, kDrive},
    {temporaryFolder, DoneMark::temporaryFolder, 1, 3, 4, "temp", 5113, 5185, kWindow},
    {registry, DoneMark::registry, 2, 1, 5, "registry", 5117, 5186, kWindow},
    {duplicateFiles, DoneMark::duplicateFiles, 1, 2, 10, "dlls", 5112, 5191, kDrive},
    {recentDocuments, DoneMark::recentDocuments, 2, 2, 7, "", 5118, 5188, kDirect},
    {uninstallEntries, DoneMark::uninstallEntries, 2, 3, 8, "", 5119, 5189, kWindow},
    {browserCache, DoneMark::browserCache, 2, 4, 9, "browser", 5120, 5190, kWindow},
    {updateUninstallFolders, DoneMark::updateUninstallFolders, 1, 5, 11, "", 5115, 5192, kWindow},
    {windowsTools, DoneMark::windowsTools, 3, 0, 13, "", 5121, 5194, kWindow},
    {prefetchAndDownloads, DoneMark::prefetchAndDownloads, 1, 4, 12, "", 5114, 5193, kDirect},
    {ownFolders, DoneMark::ownFolders, 3, 2, 14, "", 5123, 5195, kDirect},
    {minidumps, DoneMark::minidumps, 3, 4, 6, "", 5125, 5187, kDirect},
}};

}  // namespace

std::span<const Cleanup> cleanups() { return kCleanups; }

const Cleanup& cleanup(CleanupId id) { return kCleanups[static_cast<size_t>(id)]; }

const Cleanup* cleanupByCommandName(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const Cleanup& c : kCleanups)
    if (equalsIgnoringCase(c.commandName, name)) return &c;
  return nullptr;
}

const Cleanup* cleanupAt(int page, int row) {
  for (const Cleanup& c : kCleanups)
    if (c.page == page && c.row == row) return &c;
  return nullptr;
}

const Cleanup* cleanupOfChooserBox(int box) {
  for (const Cleanup& c : kCleanups)
    if (c.chooserBox == box) return &c;
  return nullptr;
}

}  // namespace scrubwell
