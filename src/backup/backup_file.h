// TBackupFile: packs a list of files into one compressed backup archive (possibly spanned over
// several files) and unpacks it again, reporting through events. It knows no window; it runs on
// the caller's thread and keeps the caller's windows alive by pumping messages between blocks.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "backup/archive_format.h"
#include "backup/archive_stream.h"
#include "platform/message_pump.h"

namespace scrubwell {

class ArchiveReader;
class ArchiveWriter;
class FileStream;
class TBackupFile;

// Progress and cancel: setting Continue to false stops the running operation.
using TProgressEvent = std::function<void(TBackupFile& Sender, const std::string& Filename,
                                          TPercentage Percent, bool& Continue)>;
// Asks for disk DiskID of a spanned archive; Continue false gives up.
using TNeedDiskEvent = std::function<void(TBackupFile& Sender, uint16_t DiskID, bool& Continue)>;
// Before a file is restored: the handler may change the target path and the decision.
using TRestoreFileEvent =
    std::function<void(TBackupFile& Sender, std::string& Filename, int32_t FA, bool& DoRestore)>;
// After a file (or one part of a spanned file) was written, with its still open target.
using TFileRestoredEvent =
    std::function<void(TBackupFile& Sender, std::string& Filename, ArchiveStream& Stream)>;
// Receives error reports instead of the error message box.
using TBackupErrorEvent =
    std::function<void(TBackupFile& Sender, int32_t Error, const std::string& ErrString)>;

class TBackupFile {
 public:
  TBackupFile() = default;
  TBackupFile(const TBackupFile&) = delete;
  TBackupFile& operator=(const TBackupFile&) = delete;

  // ---- Published properties ----
  std::string Version() const { return "5.00"; }
  void SetVersion(const std::string&) {}  // the version cannot be changed
  std::string BackupTitle;
  TBackupMode BackupMode() const { return backupMode_; }
  // Switching to bmIncremental also sets SetArchiveFlag.
  void SetBackupMode(TBackupMode mode);
  TCompressionLevel CompressionLevel = clFastest;
  TRestoreMode RestoreMode = rmAll;
  int32_t MaxSize = 0;  // bytes per archive file; 0 = one file of any size
  bool SetArchiveFlag = false;
  TProgressEvent OnProgress;
  TNeedDiskEvent OnNeedDisk;
  TRestoreFileEvent OnRestoreFile;
  TFileRestoredEvent OnFileRestored;
  TBackupErrorEvent OnError;
  bool RestoreFullPath = false;
  bool SaveFileID = false;

  // ---- Operations ----
  // Writes a new archive of the files of FileList (lines of file specifications), replacing any
  // file of that name, or to OutStream when ArchiveName is ":STREAM". True only when every
  // collected file was stored and the end marker was written.
  bool Backup(const std::vector<std::string>& FileList, const std::string& ArchiveName);
  // Extracts an archive (from InStream, at its current position, for ":STREAM") to the stored
  // paths, or below DestDir. False at once, without a report, when the archive does not exist.
  // Entries whose stored name is not a plain absolute path are never written: they are skipped
  // and counted in UnsafeNames.
  bool Restore(const std::string& ArchiveName, const std::string& DestDir);
  // Reads the header (of InStream, at its current position, for ":STREAM") into TotalBytes and
  // FileCount and returns the title; when FileList is given and the archive starts with the
  // file-ID list, FileList is replaced by its lines. False (and Title empty) when the archive is
  // missing or could not be read.
  bool ReadArchiveInfo(const std::string& ArchiveName, std::vector<std::string>* FileList,
                       std::string& Title);
  // Sends the message of Code to OnError, or shows it in an error message box without one.
  void ReportError(int32_t Code);

  // ---- Run-time state of the last operation ----
  int32_t FileCount = 0;
  int32_t FilesDone = 0;
  // Byte counters are 64-bit so progress stays right beyond 2 GiB; the header field that
  // stores TotalBytes is 32-bit and holds at most 2147483647.
  int64_t TotalBytes = 0;
  int64_t BytesDone = 0;
  int64_t ArchiveBytes = 0;
  std::string CurrentFile;
  bool Busy = false;
  bool ContinueFlag = false;
  int32_t LastError = 0;
  ArchiveStream* InStream = nullptr;   // caller-owned, read for ":STREAM"
  ArchiveStream* OutStream = nullptr;  // caller-owned, written for ":STREAM"
  int32_t UnsafeNames = 0;             // entries the last Restore refused to write
  // Backing up into an archive file without MaxSize: a source that cannot be opened or read, or
  // that keeps changing while it is packed, is left out (and named in LeftOut) instead of
  // stopping the backup; the header and the file-ID list then describe exactly what was stored.
  bool LeaveOutUnreadable = false;
  std::vector<std::string> LeftOut;  // sources the last Backup left out

 private:
  struct Target;  // a restore target being written
  // Sets Busy for one operation and clears it however the operation ends.
  struct BusyScope {
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    bool& busy_;
  };

  // Records the first error of an operation and stops it.
  void fail(int32_t code);
  // Pumps messages on a time slice and, when `report`, calls OnProgress with the current file.
  void blockDone(bool report);
  void progress(const std::string& file, TPercentage percent);
  // OnNeedDisk, or the disk prompt; sets ContinueFlag.
  void askForDisk(int disk);

  // Backup steps (backup_file_write.cpp).
  struct Packing;
  enum class Stored { whole, changed, failed };
  void packItem(Packing& p, size_t item);
  Stored storeFile(Packing& p, FileStream& source, int64_t size);
  bool startNextDisk(Packing& p);
  bool rewriteFront(Packing& p);

  // Restore steps.
  std::string targetPath(const std::string& storedName, const std::string& destDir) const;
  bool wanted(const std::string& target, int32_t storedDate) const;
  void restoreEntry(ArchiveReader& reader, const std::string& name, int32_t date,
                    const std::string& destDir, Target& cut);
  bool openTarget(Target& target, bool append);
  bool unpackInto(ArchiveReader& reader, Target& target);
  void skipRun(ArchiveReader& reader);
  void continueOnNextDisk(ArchiveReader& reader, FileStream& archiveFile,
                          const std::string& archiveName, int next, int& disk, Target& cut);

  TBackupMode backupMode_ = bmAll;
  std::string knownFolder_;  // during Restore: the last target folder found or created
  PumpSlice pump_;
};

}  // namespace scrubwell
