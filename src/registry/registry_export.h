// Writing registry keys into a registry-editor file (REGEDIT4) before they are deleted, so that
// the registry editor's import gives every value back with its exact type and bytes. One file per
// removal: it is started fresh, each finding's text is written whole or not at all, and the file
// counts as written only when every write and the closing succeeded.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/handles.h"

namespace scrubwell {

enum class ExportResult {
  written,  // the key (or value) is in the file
  missing,  // the key or value does not exist: nothing written, nothing to delete
  failed,   // it cannot be written exactly (unreadable, a name without an ANSI spelling) or
            // the file could not take it: it must not be deleted
};

// The name a registry-editor file gives a root ("HKEY_LOCAL_MACHINE", ...); empty for others.
std::string regRootName(HKEY root);

class RegistryExportFile {
 public:
  explicit RegistryExportFile(std::function<void()> pace = {}) : pace_(std::move(pace)) {}

  // Starts a fresh file at `path`. A file already there (left by a crash or by someone else) is
  // sent to the recycle bin first, never appended to. False when the path cannot be made fresh
  // (a folder stands there, the old file stays) or the file cannot be created.
  bool create(const std::string& path);

  // The key `path` (no leading backslash) with its values and all its subkeys, depth first.
  ExportResult exportTree(HKEY root, const std::string& path);
  // Only the key line of `path` and its value `valueName`.
  ExportResult exportValue(HKEY root, const std::string& path, const std::string& valueName);

  // Closes the file; true only when it was created, every write succeeded and it closed cleanly.
  bool close();

 private:
  bool appendTree(HKEY root, HKEY key, const std::string& path, std::string& text);
  ExportResult write(ExportResult result, const std::string& text);

  FileHandle file_;
  bool created_ = false;
  bool writeFailed_ = false;
  std::function<void()> pace_;
};

}  // namespace scrubwell
