// Removing registry findings with a way back: every checked finding is first written into a fresh
// registry export, the export goes into a registry backup point (when the backup option is on),
// and only then are the findings deleted. A finding whose export failed stays, and the report
// says so; when the point could not be written nothing is deleted and the export is kept.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "registry/registry_record.h"
#include "scan/removal_run.h"

namespace scrubwell {

// One registry key or value a removal exports and (when `remove`) deletes.
struct RegistryTarget {
  HKEY root = HKEY_LOCAL_MACHINE;
  std::string path;   // below the root, no leading backslash
  std::string value;  // the value to take; empty with `wholeKey`
  bool wholeKey = true;
  bool remove = true;
};

// One line of the removal: what the report calls it and the keys or values it takes.
struct RegistryRemovalItem {
  std::string label;
  std::vector<RegistryTarget> targets;
};

// The items of the checked findings, by kind: an application path or file-type key with all its
// subkeys (a file type also its class key), a font or shared-DLL counter as the one value only.
std::vector<RegistryRemovalItem> removalItems(const RegistryFindings& findings);
// The items of the selected uninstall entries: each entry's key with all its subkeys.
std::vector<RegistryRemovalItem> removalItems(const UninstallFindings& found);

enum class RegistryRemovalEnd {
  done,             // every exported item was deleted and reported
  exportFailed,     // the export file could not be written: nothing deleted
  pointNotWritten,  // the backup point could not be written: nothing deleted, export kept
};

struct RegistryRemovalOutcome {
  RegistryRemovalEnd end = RegistryRemovalEnd::done;
  RemovalCounts counts;
};

// Exports, backs up and deletes `items` in that order, reporting one line per item and the
// summary (with `unmarked` entries left alone by the user). `exportPath` is the export file
// (kRegistryExportFile in the program). The export file is deleted at the end unless the point
// could not be written.
RegistryRemovalOutcome removeRegistryItems(const std::vector<RegistryRemovalItem>& items,
                                           int unmarked, const RemovalSettings& settings,
                                           const std::string& exportPath, RemovalParts& parts);

}  // namespace scrubwell
