// The recent-documents clean-up.
#include "scan/recent_documents.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/find.h"
#include "platform/handles.h"
#include "scan/folder_gate.h"

namespace scrubwell {
namespace {

constexpr DWORD kFilesOnly = 47;

}  // namespace

std::string systemRecentFolder() {
  char path[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, CSIDL_RECENT, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  return path;
}

RecentDocumentsCleanup deleteRecentDocuments(const std::string& recentFolder) {
  RecentDocumentsCleanup result;
  // An unknown folder is no folder: appending to an empty path would name the current folder,
  // and a failed lookup spelled "\" the root of the current drive.
  if (recentFolder.empty()) return result;
  const GatedFolder gated = passFolderGate(recentFolder);
  if (!gated.passed()) return result;
  result.folderFound = true;
  FindFiles files(gated.folder + "*.*", kFilesOnly);
  while (files.next()) {
    if (files.isDots()) continue;
    const std::string path = gated.folder + files.name();
    if (DeleteFileA(path.c_str()))
      ++result.deleted;
    else
      ++result.stayed;
  }
  return result;
}

void clearShellRecentList() {
  UniqueResource<RegKeyTraits> key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return;
  DWORD size = 0, type = 0;
  if (RegQueryValueExA(key.get(), "Recent", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      size <= 1)
    return;
  SHAddToRecentDocs(SHARD_PATHA, nullptr);
}

}  // namespace scrubwell
