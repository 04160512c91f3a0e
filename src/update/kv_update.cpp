// The update check's engine.
#include "update/kv_update.h"

#include <windows.h>

#include "base/file_ops.h"
#include "base/update_script.h"
#include "platform/handles.h"
#include "platform/message_pump.h"
#include "platform/path_text.h"
#include "platform/text_upper.h"
#include "update/download_rules.h"
#include "update/version_compare.h"

namespace scrubwell {

const char* const kDefaultReinstallAddress = "https://www.korvantis.example/scrubwell/";

namespace {

constexpr const char* kDescriptionName = "update.ini";

UpdateDescription readDescription(const std::string& path) {
  std::string text;
  if (!readFileBytes(path, text, kMaxUpdateDescriptionBytes)) return {};
  return parseUpdateDescription(text);
}

}  // namespace

std::string versionWithSubversion(const std::string& version, const std::string& dataFolder) {
  constexpr size_t kMaxSubversion = 32;
  std::string shown = version;
  size_t taken = 0;
  for (char c : readDescription(dataFolder + kDescriptionName).subversion) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) continue;
    if (taken++ == kMaxSubversion) break;
    shown += c;
  }
  return shown;
}

KvUpdate::KvUpdate(UpdateSetup setup) : setup_(std::move(setup)) {
  local_ = readDescription(setup_.dataFolder + kDescriptionName);
  baseAddress_ = local_.updateUrl;
}

void KvUpdate::note(const std::string& line) {
  if (setup_.log) setup_.log(line);
}

bool KvUpdate::stopped() {
  pumpMessages();
  if (setup_.cancelled && setup_.cancelled()) cancelled_ = true;
  if (cancelled_) status_ = UpdateStatus::Error;
  return cancelled_ || status_ == UpdateStatus::Error || status_ == UpdateStatus::Reinstall;
}

UpdateStatus KvUpdate::run() {
  // Without a temporary folder there is nowhere safe to put downloads: never the drive root.
  if (setup_.tempFolder.empty() || setup_.dataFolder.empty() || !setup_.download) {
    note("no temporary folder or data folder");
    status_ = UpdateStatus::Error;
    return status_;
  }
  if (!fetchDescription() || stopped()) return status_;
  if (!checkThreshold() || stopped()) return status_;
  fetchNewerFiles();
  if (stopped()) return status_;
  if (setup_.newExceptions)
    for (const auto& name : setup_.newExceptions(remote_)) {
      updated_.push_back(name);
      categories_.push_back(remote_.category(name));
      status_ = UpdateStatus::Prepared;
    }
  if (setup_.confirm && !setup_.confirm()) return status_;
  if (stopped()) return status_;
  if (!writeScript()) {
    status_ = UpdateStatus::Error;
    return status_;
  }
  removeListedFiles();
  return status_;
}

bool KvUpdate::fetchDescription() {
  const std::string file = setup_.tempFolder + kDescriptionName;
  if (!isWebAddress(baseAddress_)) {
    note("the local update description names no http or https location");
    status_ = UpdateStatus::Error;
    return false;
  }
  DownloadResult r = setup_.download(baseAddress_ + kDescriptionName, file);
  if (r == DownloadResult::Cancelled) cancelled_ = true;
  if (r != DownloadResult::Done || !fileExists(file)) {
    status_ = UpdateStatus::Error;
    return false;
  }
  downloaded_.push_back(kDescriptionName);
  remote_ = readDescription(file);
  for (const auto& name : remote_.rejected) note("skipped the unsafe file name \"" + name + "\"");
  return true;
}

bool KvUpdate::checkThreshold() {
  const auto& page = setup_.german ? remote_.reinstallGer : remote_.reinstallEngl;
  reinstallAddress_ = page ? *page : kDefaultReinstallAddress;
  if (!remote_.reinstallIfOlderThan) {
    status_ = UpdateStatus::Error;
    return false;
  }
  // Both separators count; a text that is no such number skips the comparison.
  auto order = compareVersionTexts(setup_.currentVersion, *remote_.reinstallIfOlderThan);
  if (order && *order < 0) {
    status_ = UpdateStatus::Reinstall;
    return false;
  }
  return true;
}

void KvUpdate::fetchNewerFiles() {
  for (const auto& name : remote_.files) {
    if (equalsIgnoringCase(name, kDescriptionName)) continue;  // fetched first, installed last
    if (local_.version(name) >= remote_.version(name)) continue;
    if (setup_.cancelled && setup_.cancelled()) return;
    DownloadResult r = setup_.download(baseAddress_ + name, setup_.tempFolder + name);
    if (r == DownloadResult::Cancelled) {
      cancelled_ = true;
      return;
    }
    if (r == DownloadResult::Done && fileExists(setup_.tempFolder + name)) {
      downloaded_.push_back(name);
    } else {
      note("could not fetch \"" + name + "\"");
      fileFailed_ = true;
    }
  }
}

bool KvUpdate::writeScript() {
  const std::string programName = fileNameOf(setup_.programFile);
  std::vector<UpdateCopy> pairs;
  // The new description is installed only when every listed file arrived: its versions would
  // otherwise call a missing file current, and it would never be fetched again. It keeps the
  // local update location when it names none of its own.
  const bool installDescription = !fileFailed_;
  if (!installDescription) {
    for (size_t i = updated_.size(); i-- > 0;) {
      if (!equalsIgnoringCase(updated_[i], kDescriptionName)) continue;
      updated_.erase(updated_.begin() + static_cast<std::ptrdiff_t>(i));
      categories_.erase(categories_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  for (const auto& name : downloaded_) {
    const std::string source = setup_.tempFolder + name;
    const bool isProgram = equalsIgnoringCase(name, programName);
    const std::string destination = isProgram ? setup_.programFile : setup_.dataFolder + name;
    if (!fileExists(source)) continue;
    if (equalsIgnoringCase(name, "UPDATER.EXE")) {
      // The updater is not running now, so it is replaced at once (whole or not at all).
      const std::string part = destination + ".part";
      if (!CopyFileA(source.c_str(), part.c_str(), FALSE) ||
          !MoveFileExA(part.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(part.c_str());
        note("could not replace UPDATER.EXE");
      }
      continue;
    }
    if (equalsIgnoringCase(name, kDescriptionName)) {
      if (!installDescription) continue;
      if (remote_.updateUrl.empty()) {
        WritePrivateProfileStringA("updateinfo", "updateurl", baseAddress_.c_str(), source.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, source.c_str());  // to the file now
      }
    } else {
      updated_.push_back(name);
      categories_.push_back(remote_.category(name));
      status_ = UpdateStatus::Prepared;
    }
    pairs.push_back({source, destination});
  }
  if (updated_.empty()) {
    DeleteFileA(scriptPath().c_str());
    return true;
  }
  status_ = UpdateStatus::Prepared;
  auto text = updateScriptText(setup_.programFile, pairs);
  if (!text || !writeWholeFile(scriptPath(), *text)) {
    note("could not write the update script");
    DeleteFileA(scriptPath().c_str());
    updated_.clear();
    categories_.clear();
    return false;
  }
  return true;
}

void KvUpdate::removeListedFiles() {
  for (const auto& name : remote_.removals) {
    if (equalsIgnoringCase(name, "updatescript.dat")) continue;
    DeleteFileA((setup_.dataFolder + name).c_str());
  }
}

}  // namespace scrubwell
