// The full registry check and the uninstall-entry check.
#include "registry/registry_scan.h"

#include "base/texts.h"
#include "base/file_ops.h"
#include "registry/file_probe.h"
#include "registry/registry_export.h"
#include "registry/registry_keys.h"
#include "registry/registry_rules.h"

namespace scrubwell {
namespace {

class Check {
 public:
  Check(RegistryFindings& findings, ScanProblems& problems, const ScanPacing& pace)
      : findings_(findings), problems_(problems), pace_(pace) {}

  void run() {
    appPaths();
    fonts();
    sharedDlls();
    fileTypes();
  }

 private:
  // Opens a source key; a key that cannot be read although it is there is reported.
  bool open(HKEY root, const std::string& path, RegKey& key) {
    const KeyOpening o = openKeyForReading(root, path, key);
    if (o == KeyOpening::failed) problems_.unreadable.push_back(regRootName(root) + "\\" + path);
    return o == KeyOpening::opened;
  }
  NameList listed(const NameList& list, HKEY root, const std::string& path) {
    if (!list.complete) problems_.unreadable.push_back(regRootName(root) + "\\" + path);
    return list;
  }
  void paced() {
    if (pace_) pace_();
  }
  void add(FindingKind kind, const std::string& entry, const std::string& keyPath,
           const std::string& target, std::string shortText, std::string description) {
    findings_.add(
        {{kind, entry, keyPath}, std::move(shortText), std::move(description), true, target});
  }
  bool full() const { return findings_.size() >= RegistryFindings::kCapacity; }
  // The rule the application paths, fonts and shared DLLs share: a path without "%" that is not
  // there (as far as anyone can tell) and names no exempt program.
  bool missingTarget(const std::string& path) {
    return !path.empty() && path.find('%') == std::string::npos && !probe_.fileMayExist(path) &&
           !isExempt(path);
  }

  void appPaths() {
    RegKey key;
    if (!open(HKEY_LOCAL_MACHINE, kAppPathsKey, key)) return;
    for (const std::string& name :
         listed(subkeyNames(key.get()), HKEY_LOCAL_MACHINE, kAppPathsKey).names) {
      if (full()) return;
      RegKey sub;
      std::string value;
      if (openKeyForReading(key.get(), name, sub) == KeyOpening::opened)
        value = stripSurroundingQuotes(readStringValue(sub.get(), ""));
      if (missingTarget(value))
        add(FindingKind::appPath, name, "", value, tr(199) + " " + value,
            tr(200) + " " + value + " " + tr(201));
      paced();
    }
  }

  void fonts() {
    RegKey shellFolders;
    if (openKeyForReading(HKEY_CURRENT_USER, kShellFoldersKey, shellFolders) != KeyOpening::opened)
      return;
    const std::string folder = readStringValue(shellFolders.get(), "FONTS");
    if (folder.empty() || !folderExists(folder)) return;
    std::string path = kFontsKey;
    RegKey key;
    NameList names;
    if (open(HKEY_LOCAL_MACHINE, path, key))
      names = listed(valueNames(key.get()), HKEY_LOCAL_MACHINE, path);
    if (names.names.size() + names.unspellable < 5) {
      path = kFontsFallbackKey;
      names = {};
      if (open(HKEY_LOCAL_MACHINE, path, key))
        names = listed(valueNames(key.get()), HKEY_LOCAL_MACHINE, path);
      else
        key.reset();
    }
    if (!key || names.names.size() + names.unspellable <= 5) return;
    for (const std::string& name : names.names) {
      if (full()) return;
      const std::string data = stripSurroundingQuotes(readStringValue(key.get(), name));
      if (missingTarget(data) && !probe_.fileMayExist(folder + "\\" + data))
        add(FindingKind::font, name, path, data, tr(203) + " " + name,
            tr(204) + " " + name + " " + tr(205) + ": " + data);
      paced();
    }
  }

  void sharedDlls() {
    RegKey key;
    if (!open(HKEY_LOCAL_MACHINE, kSharedDllsKey, key)) return;
    for (const std::string& name :
         listed(valueNames(key.get()), HKEY_LOCAL_MACHINE, kSharedDllsKey).names) {
      if (full()) return;
      const std::string path = stripSurroundingQuotes(name);
      if (missingTarget(path))
        add(FindingKind::sharedDll, name, "", path, tr(206) + " " + path,
            tr(207) + " " + path + " " + tr(208));
      paced();
    }
  }

  void fileTypes() {
    RegKey root;
    if (!open(HKEY_CLASSES_ROOT, "", root)) return;
    for (const std::string& ext : listed(subkeyNames(root.get()), HKEY_CLASSES_ROOT, "").names) {
      if (ext.empty() || ext[0] != '.') continue;
      if (full()) return;
      std::string command;
      RegKey extKey, commandKey;
      if (openKeyForReading(root.get(), ext, extKey) == KeyOpening::opened) {
        const std::string cls = stripSurroundingQuotes(readStringValue(extKey.get(), ""));
        if (!cls.empty() && openKeyForReading(root.get(), cls + "\\shell\\open\\command",
                                              commandKey) == KeyOpening::opened)
          command = readStringValue(commandKey.get(), "");
      }
      const std::string path = fileTypeProgramPath(command);
      if (fileTypeCommandInvalid(ext, command, path,
                                 [this](const std::string& p) { return probe_.fileMayExist(p); }))
        add(FindingKind::fileType, ext, "", path, tr(209) + " " + path,
            tr(210) + ext + " " + tr(211) + path);
      paced();
    }
  }

  RegistryFindings& findings_;
  ScanProblems& problems_;
  const ScanPacing& pace_;
  FileProbe probe_;
};

}  // namespace

void fullRegistryCheck(RegistryFindings& findings, ScanProblems& problems, const ScanPacing& pace) {
  findings.clear();
  Check(findings, problems, pace).run();
}

void uninstallCheck(UninstallFindings& found, ScanProblems& problems, const ScanPacing& pace) {
  found.clear();
  RegKey key;
  const KeyOpening o = openKeyForReading(HKEY_LOCAL_MACHINE, kUninstallKey, key);
  if (o == KeyOpening::failed)
    problems.unreadable.push_back(std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey);
  if (o != KeyOpening::opened) return;
  const NameList names = subkeyNames(key.get());
  if (!names.complete)
    problems.unreadable.push_back(std::string("HKEY_LOCAL_MACHINE\\") + kUninstallKey);
  found.allSubkeys = names.names;
  FileProbe probe;
  auto file = [&probe](const std::string& p) { return probe.fileMayExist(p); };
  auto folder = [&probe](const std::string& p) { return probe.folderMayExist(p); };
  for (const std::string& name : names.names) {
    RegKey entry;
    if (openKeyForReading(key.get(), name, entry) == KeyOpening::opened) {
      const std::string display = readStringValue(entry.get(), "DisplayName");
      if (!display.empty()) {
        const std::string command = readStringValue(entry.get(), "UninstallString");
        if (uninstallEntryInvalid(command, file, folder))
          found.lines.push_back({display, command, name, true});
      }
    }
    if (pace) pace();
  }
}

}  // namespace scrubwell
