// TBackupFile::Restore: reads an archive entry by entry, decides per entry by the restore mode
// and the OnRestoreFile handler, unpacks the wanted ones and follows spanned sets across disks.
#include <windows.h>

#include "backup/archive_reader.h"
#include "backup/backup_file.h"
#include "backup/file_stream.h"
#include "platform/long_path.h"
#include "platform/path_text.h"

namespace scrubwell {

struct TBackupFile::Target {
  std::string path;  // empty: no file is being restored
  int32_t date = 0;
  DWORD replacedAttributes = INVALID_FILE_ATTRIBUTES;  // of the file it replaced, put back
  FileStream stream;
};

bool TBackupFile::Restore(const std::string& ArchiveName, const std::string& DestDir) {
  const std::string destDir = withTrailingBackslash(DestDir);
  const bool fromStream = ArchiveName == archive::kStreamName;
  if (!fromStream && fileAttributes(ArchiveName) == INVALID_FILE_ATTRIBUTES) return false;
  if (Busy) return false;  // a handler called us again while we pump messages

  LastError = 0;
  FilesDone = 0;
  UnsafeNames = 0;
  knownFolder_.clear();
  TotalBytes = 0;
  FileCount = 0;
  BytesDone = 0;
  ContinueFlag = true;
  FileStream archiveFile;
  ArchiveStream* in = fromStream ? InStream : &archiveFile;
  BusyScope busy(Busy);
  ArchiveReader reader(in ? *in : archiveFile);
  ArchiveHeader header;
  if (!in || (!fromStream && !archiveFile.openRead(ArchiveName)) ||
      reader.readHeader(header) != ReadResult::ok) {
    fail(archive::kCannotReadArchive);
  } else {
    TotalBytes = header.totalBytes;
    FileCount = header.fileCount;
  }

  int disk = 1;
  Target cut;  // the last file restored whole, which a spanning record continues
  while (ContinueFlag) {
    std::string name;
    if (reader.readName(name) != ReadResult::ok) {
      fail(archive::kCannotReadFile);
      break;
    }
    if (name.empty()) break;  // the end marker
    if (archive::startsWithNextDisk(name)) {
      continueOnNextDisk(reader, archiveFile, fromStream ? std::string() : ArchiveName,
                         archive::spanRecordDisk(name), disk, cut);
      continue;
    }
    int32_t date = 0;
    if (reader.readInt32(date) != ReadResult::ok) {
      fail(archive::kCannotReadFile);
      break;
    }
    restoreEntry(reader, name, date, destDir, cut);
  }

  archiveFile.close();
  bool result = LastError == 0 && ContinueFlag;
  progress("", 100);
  Busy = false;
  if (LastError != 0) ReportError(LastError);
  return result;
}

std::string TBackupFile::targetPath(const std::string& storedName,
                                    const std::string& destDir) const {
  if (destDir.empty()) return storedName;
  if (RestoreFullPath) return destDir + storedName.substr(3);  // without the drive, "c:\"
  return destDir + storedName.substr(storedName.find_last_of('\\') + 1);
}

bool TBackupFile::wanted(const std::string& target, int32_t storedDate) const {
  if (RestoreMode == rmAll) return true;
  int32_t current = 0;
  bool exists = fileAttributes(target) != INVALID_FILE_ATTRIBUTES;
  if (exists && !fileDosDate(target, current)) current = 0;
  switch (RestoreMode) {
    case rmNoOverwrite:
      return !exists;
    case rmNewer:
      return !exists || current < storedDate;
    case rmExisting:
      return exists;
    case rmExistingNewer:
      return exists && current < storedDate;
    case rmAll:
    default:
      return true;
  }
}

void TBackupFile::restoreEntry(ArchiveReader& reader, const std::string& name, int32_t date,
                               const std::string& destDir, Target& cut) {
  cut.path.clear();
  if (name == archive::kFileListName) return skipRun(reader);
  // A stored name comes from a file on disk: one that is not a plain absolute path (no drive,
  // a ".." part, a device) could point anywhere, so it is never written.
  if (!archive::isPlainAbsolutePath(name)) {
    ++UnsafeNames;
    return skipRun(reader);
  }
  Target target;
  target.path = targetPath(name, destDir);
  target.date = date;
  bool doRestore = wanted(target.path, date);
  if (OnRestoreFile) OnRestoreFile(*this, target.path, date, doRestore);
  if (doRestore) {
    // Files of one folder follow one another: a folder known to be there is not asked again.
    size_t folderEnd = target.path.find_last_of('\\');
    std::string folder =
        folderEnd == std::string::npos ? std::string() : target.path.substr(0, folderEnd + 1);
    doRestore = !folder.empty() && (folder == knownFolder_ || createFolders(folder));
    if (doRestore) knownFolder_ = std::move(folder);
  }
  if (!doRestore) return skipRun(reader);
  if (!openTarget(target, false)) {
    fail(archive::kCannotReadFile);
    return;
  }
  if (unpackInto(reader, target)) {
    ++FilesDone;
    cut = std::move(target);
  }
}

bool TBackupFile::openTarget(Target& target, bool append) {
  DWORD existing = fileAttributes(target.path);
  if (!append) target.replacedAttributes = existing;
  // A read-only file in the way is made writable for the restore; its attributes come back after.
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY))
    setPathAttributes(target.path, existing & ~FILE_ATTRIBUTE_READONLY);
  // Replacing a hidden or system file is refused unless the new file carries those attributes.
  DWORD keep = existing == INVALID_FILE_ATTRIBUTES
                   ? 0
                   : existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  bool opened = append ? target.stream.openAppend(target.path)
                       : target.stream.create(target.path, keep ? keep : FILE_ATTRIBUTE_NORMAL);
  if (!opened && existing != INVALID_FILE_ATTRIBUTES) setPathAttributes(target.path, existing);
  return opened;
}

// Unpacks one data run into an open target, then hands the target to OnFileRestored, dates it
// and closes it. True when the run was unpacked whole.
bool TBackupFile::unpackInto(ArchiveReader& reader, Target& target) {
  CurrentFile = target.path;
  ReadResult r = reader.readRun(&target.stream, [this](size_t written) {
    BytesDone += static_cast<int64_t>(written);
    blockDone(true);
    return ContinueFlag;
  });
  if (r == ReadResult::compressionFailed) {
    fail(archive::kCompressionError);
  } else if (r == ReadResult::damaged || r == ReadResult::targetFailed) {
    fail(archive::kCannotReadFile);
  }
  std::string name = target.path;
  if (OnFileRestored) OnFileRestored(*this, name, target.stream);
  target.stream.setDosDate(target.date);
  target.stream.close();
  if (target.replacedAttributes != INVALID_FILE_ATTRIBUTES)
    setPathAttributes(target.path, target.replacedAttributes);
  return r == ReadResult::ok;
}

void TBackupFile::skipRun(ArchiveReader& reader) {
  ReadResult r = reader.readRun(nullptr, [this](size_t) {
    blockDone(false);
    return ContinueFlag;
  });
  if (r == ReadResult::damaged) fail(archive::kCannotReadFile);
}

void TBackupFile::continueOnNextDisk(ArchiveReader& reader, FileStream& archiveFile,
                                     const std::string& archiveName, int next, int& disk,
                                     Target& cut) {
  // Disks follow one another; anything else (or a spanned stream) is damage and could loop.
  if (archiveName.empty() || next != disk + 1) {
    fail(archive::kCannotReadFile);
    return;
  }
  archiveFile.close();
  std::string nextName = archive::diskFileName(archiveName, next);
  do {
    askForDisk(next);
  } while (ContinueFlag && fileAttributes(nextName) == INVALID_FILE_ATTRIBUTES);
  if (!ContinueFlag) return;
  if (!archiveFile.openRead(nextName)) {
    fail(archive::kCannotReadArchive);
    return;
  }
  disk = next;
  reader.switchTo(archiveFile);
  if (cut.path.empty()) return skipRun(reader);
  if (!openTarget(cut, true)) {
    fail(archive::kCannotReadFile);
    return;
  }
  if (!unpackInto(reader, cut)) cut.path.clear();
}

}  // namespace scrubwell
