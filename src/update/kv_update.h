// The update check's engine: fetches the published update description, compares it with the
// local copy, downloads the newer files into the temporary folder and writes the update script
// "updatescript.dat" into the data folder for UPDATER.EXE. It knows no window: the window gives
// it the download, the new-search-exceptions test, the confirmation and a cancel test, and reads
// the status afterwards.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "update/update_description.h"
#include "update/update_download.h"

namespace scrubwell {

// The program's version as the about box shows it: `version` followed directly by the
// sub-version of the description the last update installed in `dataFolder` ("8.75" and "b" give
// "8.75b"). The sub-version comes from a download, so only its first 32 printable characters count.
std::string versionWithSubversion(const std::string& version, const std::string& dataFolder);

enum class UpdateStatus { NoUpdate = 1, Prepared = 2, Error = 3, Reinstall = 4 };

struct UpdateSetup {
  bool german = false;         // picks reinstallFileFullGer over reinstallFileFullEngl
  std::string dataFolder;      // ends with "\"
  std::string tempFolder;      // ends with "\"; empty when there is none (an error, never a root)
  std::string programFile;     // full path of the running program
  std::string currentVersion;  // "8.75"
  // (address, local file) → result; the window passes downloadWhole with its status line.
  std::function<DownloadResult(const std::string&, const std::string&)> download;
  // The names to update for the downloaded description's search exceptions ({"update.ini"} when
  // it brings masks the program does not have yet, else nothing).
  std::function<std::vector<std::string>(const UpdateDescription&)> newExceptions;
  std::function<bool()> confirm;                // false stops before the script; absent means yes
  std::function<bool()> cancelled;              // true stops at the next step and leaves no script
  std::function<void(const std::string&)> log;  // what was skipped and why
};

class KvUpdate {
 public:
  explicit KvUpdate(UpdateSetup setup);
  // Runs the whole check once and returns the status.
  UpdateStatus run();

  UpdateStatus status() const { return status_; }
  bool wasCancelled() const { return cancelled_; }
  // The files the update replaces (shown to the user) and one category word for each.
  const std::vector<std::string>& updatedNames() const { return updated_; }
  const std::vector<std::string>& categories() const { return categories_; }
  // The downloaded description's reinstall page (status 4).
  const std::string& reinstallAddress() const { return reinstallAddress_; }
  std::string scriptPath() const { return setup_.dataFolder + "updatescript.dat"; }

 private:
  bool stopped();
  bool fetchDescription();
  bool checkThreshold();
  void fetchNewerFiles();
  bool writeScript();
  void removeListedFiles();
  void note(const std::string& line);

  UpdateSetup setup_;
  UpdateStatus status_ = UpdateStatus::NoUpdate;
  bool cancelled_ = false;
  bool fileFailed_ = false;
  std::string baseAddress_;
  UpdateDescription local_, remote_;
  std::vector<std::string> downloaded_, updated_, categories_;
  std::string reinstallAddress_;
};

// The reinstall page when the description names none.
extern const char* const kDefaultReinstallAddress;

}  // namespace scrubwell
