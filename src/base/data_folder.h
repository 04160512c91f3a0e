// The per-user data folder, the file lookup rule and the copying of installed files into it.
// Folder paths end with "\".
#pragma once
#include <string>
#include <vector>

namespace scrubwell {

// The full path of the running program file (opened again to restart the program).
std::string programFile();
// The folder of the running program file.
std::string programFolder();
// "Local AppData" of the current user's shell folders + "Korvantis\"; the program folder when the
// key or the value is missing or empty, so the data then lives beside the program.
std::string makerFolder();
// makerFolder() + productName + "\" (the maker folder itself for an empty name).
std::string dataFolder(const std::string& productName);
// dataFolder(kProductName) + "BACKUP\".
std::string backupFolderPath();

// The data folder's copy when it exists, else the copy beside the program when that exists, else
// the data-folder path (where a new file is then created).
std::string locateFile(const std::string& productName, const std::string& fileName);

// The same lookup for many files: the two folders are found once, when the locator is made
// (finding the data folder reads the registry, which costs more than testing a file).
class FileLocator {
 public:
  explicit FileLocator(const std::string& productName);
  std::string locate(const std::string& fileName) const;
  bool exists(const std::string& fileName) const;  // in either folder

 private:
  std::string data_, program_;
};

// Files that may lie beside the program and are copied into the data folder at every start when
// the data folder does not have them yet, in this order.
const std::vector<std::string>& migrationList();

// Removes the data folder's tree first when `wipe` is set, then creates the maker folder and the
// data folder where missing (one level each). True when every step succeeded.
bool prepareDataFolder(const std::string& productName, bool wipe);
// prepareDataFolder, then copies each named file from the program folder into the data folder
// when it is there but not yet in the data folder; an existing copy is never overwritten. False
// when any step failed; a failure on one name does not stop the others.
bool migrateFiles(const std::string& productName, bool wipe, const std::vector<std::string>& names);
// Removes the data folder's whole tree and the folder itself. False if either step failed.
bool removeDataFolder(const std::string& productName);

}  // namespace scrubwell
