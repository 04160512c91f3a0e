// Export, registry point, then deletion.
#include "registry/registry_removal.h"

#include "base/texts.h"
#include "platform/message_pump.h"
#include "registry/key_deletion.h"
#include "registry/registry_export.h"
#include "registry/registry_keys.h"
#include "registry/registry_rules.h"
#include "registry/registry_scan.h"
#include "scan/report_text.h"

namespace scrubwell {
namespace {

// Report texts: the entry label, its suffixes and the summary labels.
constexpr int kEntryText = 5300, kExportedText = 5301, kRemovedText = 5302, kNotExportedText = 5303,
              kRemovedCountText = 5304, kNotRemovedCountText = 5305, kUnmarkedCountText = 5306,
              kExportFileFailedText = 5307, kPointFailedText = 5308, kNotFoundText = 5263,
              kNotRemovedText = 160;

std::string keyLabel(HKEY root, const std::string& path) { return regRootName(root) + "\\" + path; }

// The class key a file-type finding names in its extension key's default value.
std::string classOf(const std::string& extension) {
  RegKey key;
  if (openKeyForReading(HKEY_CLASSES_ROOT, extension, key) != KeyOpening::opened) return {};
  return stripSurroundingQuotes(readStringValue(key.get(), ""));
}

// A key name that stands for itself below the root: no leading or trailing backslash.
bool plainKeyName(const std::string& name) {
  return !name.empty() && name.front() != '\\' && name.back() != '\\';
}

}  // namespace

std::vector<RegistryRemovalItem> removalItems(const RegistryFindings& findings) {
  std::vector<RegistryRemovalItem> items;
  for (const RegistryFinding& f : findings.lines()) {
    if (!f.checked) continue;
    const RegistryRecord& r = f.record;
    RegistryRemovalItem item;
    switch (r.Kind) {
      case FindingKind::appPath: {
        const std::string path = std::string(kAppPathsKey) + "\\" + r.EntryName;
        item.label = keyLabel(HKEY_LOCAL_MACHINE, path);
        item.targets.push_back({HKEY_LOCAL_MACHINE, path, "", true, true});
        break;
      }
      case FindingKind::font:
      case FindingKind::sharedDll: {
        const std::string key = r.Kind == FindingKind::font ? r.KeyPath : kSharedDllsKey;
        item.label = keyLabel(HKEY_LOCAL_MACHINE, key) + " \"" + r.EntryName + "\"";
        item.targets.push_back({HKEY_LOCAL_MACHINE, key, r.EntryName, false, true});
        break;
      }
      case FindingKind::fileType: {
        item.label = keyLabel(HKEY_CLASSES_ROOT, r.EntryName);
        item.targets.push_back({HKEY_CLASSES_ROOT, r.EntryName, "", true, r.EntryName.size() > 1});
        const std::string cls = classOf(r.EntryName);
        if (plainKeyName(cls))
          item.targets.push_back({HKEY_CLASSES_ROOT, cls, "", true, cls.size() > 1});
        break;
      }
    }
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<RegistryRemovalItem> removalItems(const UninstallFindings& found) {
  std::vector<RegistryRemovalItem> items;
  for (const UninstallFinding& f : found.lines) {
    if (!f.selected || !plainKeyName(f.subkey)) continue;
    const std::string path = std::string(kUninstallKey) + "\\" + f.subkey;
    items.push_back({keyLabel(HKEY_LOCAL_MACHINE, path) + " (" + f.displayName + ")",
                     {{HKEY_LOCAL_MACHINE, path, "", true, true}}});
  }
  return items;
}

RegistryRemovalOutcome removeRegistryItems(const std::vector<RegistryRemovalItem>& items,
                                           int unmarked, const RemovalSettings& settings,
                                           const std::string& exportPath, RemovalParts& parts) {
  RegistryRemovalOutcome outcome;
  outcome.counts.unmarked = unmarked;
  beginRemovalReport(parts, static_cast<int>(items.size()));
  PumpSlice pump;

  // 1. Export every item; an item is deleted only when each of its targets was written (or is
  //    not there any more).
  std::vector<char> exported(items.size(), 0), found(items.size(), 0);
  bool anythingWritten = false;
  RegistryExportFile file([&pump] { pump(); });
  bool fileOk = file.create(exportPath);
  if (fileOk) {
    for (size_t i = 0; i < items.size(); ++i) {
      bool ok = true;
      for (const RegistryTarget& t : items[i].targets) {
        const ExportResult r = t.wholeKey ? file.exportTree(t.root, t.path)
                                          : file.exportValue(t.root, t.path, t.value);
        ok = ok && r != ExportResult::failed;
        found[i] = found[i] || r == ExportResult::written;
      }
      exported[i] = ok;
      anythingWritten = anythingWritten || found[i];
      pump();
    }
    fileOk = file.close();
  }
  if (!fileOk) {
    file.close();
    DeleteFileA(exportPath.c_str());  // a fresh file of this run, incomplete: nothing relies on it
    parts.report.appendLine(tr(kExportFileFailedText) + " " + exportPath);
    for (const auto& item : items)
      countItem(false, 0, reportLine(tr(kEntryText), item.label, tr(kNotExportedText)),
                outcome.counts, parts.report);
    parts.deletion.stop();
    outcome.end = RegistryRemovalEnd::exportFailed;
    return outcome;
  }

  // 2. The registry point: with the backup option on, nothing is deleted unless it was written.
  if (anythingWritten && settings.backupOption) {
    BackupRequest request;
    request.files = {exportPath};
    request.titleNote = tr(250);
    request.wholeOrNothing = true;
    if (!mayDelete(backUpBeforeDeleting(request, true, settings.backupFolder, parts.backup))) {
      parts.report.appendLine(tr(kPointFailedText) + " " + exportPath);
      parts.deletion.stop();
      outcome.end = RegistryRemovalEnd::pointNotWritten;
      return outcome;
    }
  }

  // 3. Delete what was exported. An entry that is gone already is said so and not counted.
  for (size_t i = 0; i < items.size(); ++i) {
    const RegistryRemovalItem& item = items[i];
    if (exported[i] && !found[i]) {
      parts.report.appendLine(reportLine(tr(kEntryText), item.label, tr(kNotFoundText)));
      continue;
    }
    parts.deletion.step(item.label);
    bool removed = exported[i] != 0;
    if (removed)
      for (const RegistryTarget& t : item.targets) {
        if (!t.remove) continue;
        const bool gone = t.wholeKey ? deleteKeyTree(t.root, t.path)
                                     : deleteRegistryValue(t.root, t.path, t.value);
        removed = removed && gone;
      }
    const int suffix = !exported[i]            ? kNotExportedText
                       : !removed              ? kNotRemovedText
                       : settings.backupOption ? kExportedText
                                               : kRemovedText;
    countItem(removed, 0, reportLine(tr(kEntryText), item.label, tr(suffix)), outcome.counts,
              parts.report);
    pump();
  }
  DeleteFileA(exportPath.c_str());
  parts.deletion.stop();
  for (const auto& line : summaryLines(tr(kRemovedCountText), tr(94), tr(kNotRemovedCountText),
                                       tr(kUnmarkedCountText), outcome.counts))
    parts.report.appendLine(line);
  return outcome;
}

}  // namespace scrubwell
