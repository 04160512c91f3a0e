// The per-user data folder, the file lookup rule and the copying of installed files into it.
#include "base/data_folder.h"

#include <windows.h>

#include "base/app_state.h"
#include "base/file_ops.h"
#include "base/tree_removal.h"
#include "platform/handles.h"
#include "platform/path_text.h"

namespace scrubwell {
namespace {

// Creates one folder level; an existing folder counts as success.
bool createFolder(const std::string& path) {
  if (folderExists(path)) return true;
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

}  // namespace

std::string programFile() {
  char buf[MAX_PATH * 4] = {};
  DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
  if (n == 0 || n >= sizeof buf) return {};
  return std::string(buf, n);
}

std::string programFolder() {
  std::string path = programFile();
  return path.substr(0, path.find_last_of('\\') + 1);
}

std::string makerFolder() {
  RegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_READ, key.put()) != ERROR_SUCCESS)
    return programFolder();
  char buf[MAX_PATH * 4] = {};
  DWORD size = sizeof buf - 1, type = 0;
  if (RegQueryValueExA(key.get(), "Local AppData", nullptr, &type, reinterpret_cast<BYTE*>(buf),
                       &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return programFolder();
  buf[size < sizeof buf ? size : sizeof buf - 1] = '\0';
  std::string local = buf;
  if (local.empty()) return programFolder();
  return withTrailingBackslash(local) + "Korvantis\\";
}

std::string dataFolder(const std::string& productName) {
  std::string maker = makerFolder();
  return productName.empty() ? maker : maker + productName + "\\";
}

std::string backupFolderPath() { return dataFolder(kProductName) + "BACKUP\\"; }

std::string locateFile(const std::string& productName, const std::string& fileName) {
  return FileLocator(productName).locate(fileName);
}

FileLocator::FileLocator(const std::string& productName)
    : data_(dataFolder(productName)), program_(programFolder()) {}

std::string FileLocator::locate(const std::string& fileName) const {
  std::string inData = data_ + fileName;
  if (fileExists(inData)) return inData;
  std::string beside = program_ + fileName;
  if (fileExists(beside)) return beside;
  return inData;
}

bool FileLocator::exists(const std::string& fileName) const {
  return fileExists(data_ + fileName) || fileExists(program_ + fileName);
}

const std::vector<std::string>& migrationList() {
  static const std::vector<std::string> names = {"update.ini",    "Scrubwell.chm", "Scrubwell.doc",
                                                 "Scrubwell.ini", "Scrubwell.def", "Scrubwell.abs",
                                                 "Scrubwell.cho", "UPDATER.EXE"};
  return names;
}

bool prepareDataFolder(const std::string& productName, bool wipe) {
  bool ok = true;
  std::string data = dataFolder(productName);
  if (wipe && folderExists(data) && !removeFolderTree(data)) ok = false;
  if (!createFolder(makerFolder())) ok = false;
  if (!createFolder(data)) ok = false;
  return ok;
}

bool migrateFiles(const std::string& productName, bool wipe,
                  const std::vector<std::string>& names) {
  bool ok = prepareDataFolder(productName, wipe);
  const std::string from = programFolder();
  const std::string to = dataFolder(productName);
  for (const auto& name : names) {
    if (!fileExists(from + name) || fileExists(to + name)) continue;
    if (!CopyFileA((from + name).c_str(), (to + name).c_str(), TRUE)) ok = false;
  }
  return ok;
}

bool removeDataFolder(const std::string& productName) {
  return removeFolderTree(dataFolder(productName));
}

}  // namespace scrubwell
