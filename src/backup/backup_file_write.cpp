// TBackupFile::Backup: collects the files, computes the totals, writes the optional file-ID list
// and every file as an entry, and spans the archive over further files when MaxSize is set.
#include <windows.h>

#include <climits>

#include "backup/archive_writer.h"
#include "backup/backup_file.h"
#include "backup/file_stream.h"
#include "backup/source_files.h"
#include "platform/text_trim.h"

namespace scrubwell {

namespace {

// Deletes the temporary file-ID file when the backup ends, however it ends.
struct TemporaryFile {
  std::string path;
  ~TemporaryFile() {
    if (!path.empty()) DeleteFileA(path.c_str());
  }
};

// Saves `text` in a new unique "FID" file of the user's temporary folder.
bool saveInTemporaryFile(const std::string& text, TemporaryFile& file) {
  char folder[256];
  char name[MAX_PATH];
  DWORD n = GetTempPathA(sizeof folder, folder);
  if (n == 0 || n >= sizeof folder || GetTempFileNameA(folder, "FID", 0, name) == 0) return false;
  file.path = name;
  FileStream out;
  return out.create(file.path) && out.write(text.data(), text.size());
}

}  // namespace

std::string TBackupFile::measureFiles(const std::vector<std::string>& files, int64_t& total) {
  std::string text;
  for (const auto& path : files) {
    FileStream file;
    int32_t date = 0;
    // A file that has vanished since it was collected is left out; one that exists but cannot be
    // opened would fail later, so the backup ends here, before anything is written.
    if (fileAttributes(path) == INVALID_FILE_ATTRIBUTES) continue;
    if (!file.openRead(path)) {
      fail(archive::kCannotReadFile);
      return {};
    }
    int64_t size = file.size();
    total += size;
    if (SaveFileID) {
      file.dosDate(date);
      text += archive::fileIdLine(path, date, size);
    }
  }
  return text;
}

bool TBackupFile::Backup(const std::vector<std::string>& FileList, const std::string& ArchiveName) {
  if (Busy) return false;  // a handler called us again while we pump messages
  const bool toStream = ArchiveName == archive::kStreamName;
  LastError = 0;
  BusyScope busy(Busy);
  std::vector<std::string> items =
      collectSourceFiles(FileList, toStream ? std::string() : ArchiveName, BackupMode());
  ContinueFlag = true;
  progress("", 0);
  TotalBytes = 0;
  FilesDone = 0;
  BytesDone = 0;
  ArchiveBytes = 0;
  CurrentFile.clear();

  int64_t total = 0;
  std::string idText = ContinueFlag ? measureFiles(items, total) : std::string();
  TemporaryFile idFile;
  bool listed = false;
  if (ContinueFlag && SaveFileID) {
    if (saveInTemporaryFile(idText, idFile)) {
      items.insert(items.begin(), idFile.path);
      listed = true;
      total += static_cast<int64_t>(idText.size());
    } else {
      fail(archive::kCannotCreateFileIdList);
    }
  }
  TotalBytes = total;

  FileStream archiveFile;
  ArchiveStream* out = toStream ? OutStream : &archiveFile;
  if (ContinueFlag && (toStream ? !OutStream : !archiveFile.create(ArchiveName)))
    fail(archive::kCannotWriteArchive);
  ArchiveWriter writer(out ? *out : archiveFile, CompressionLevel);
  int disk = 1;
  FileCount = static_cast<int32_t>(items.size()) - (listed ? 1 : 0);
  if (ContinueFlag) {
    int32_t headerTotal = total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
    if (!writer.writeHeader(BackupTitle, headerTotal, FileCount))
      fail(archive::kCannotWriteArchive);
  }

  for (size_t i = 0; i < items.size() && ContinueFlag; ++i) {
    const bool isList = listed && i == 0;
    std::string path(trimmedOfControls(items[i]));
    FileStream source;
    // The source is opened before its entry is begun, so a file that cannot be read leaves no
    // half-written entry behind.
    if (!source.openRead(path)) {
      if (fileAttributes(path) == INVALID_FILE_ATTRIBUTES) continue;  // vanished: skipped
      fail(archive::kCannotReadFile);
      break;
    }
    CurrentFile = isList ? std::string(archive::kFileListName) : path;
    if (!writer.writeName(CurrentFile)) {
      fail(archive::kCannotWriteArchive);
      break;
    }
    CurrentFile = path;
    int32_t date = 0;
    source.dosDate(date);
    if (!writer.writeInt32(date)) {
      fail(archive::kCannotWriteArchive);
      break;
    }
    bool stored =
        storeFile(writer, archiveFile, source, toStream ? std::string() : ArchiveName, disk);
    if (stored && !isList) ++FilesDone;
    source.close();
    // Only a file stored whole counts as backed up for the next incremental backup.
    if (stored && SetArchiveFlag) {
      DWORD attributes = fileAttributes(path);
      if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_ARCHIVE);
    }
  }

  bool result = false;
  if (ContinueFlag) {
    result = writer.writeEndMarker();
    if (!result) fail(archive::kCannotWriteArchive);
  }
  archiveFile.close();
  progress("", 100);
  Busy = false;
  if (LastError != 0) ReportError(LastError);
  return result && LastError == 0;
}

// Writes the data runs of one source, moving on to the next disk whenever the archive file is
// full. True when the source was stored whole.
bool TBackupFile::storeFile(ArchiveWriter& writer, FileStream& archiveFile, FileStream& source,
                            const std::string& archiveName, int& disk) {
  int64_t remaining = source.size();
  if (remaining < 0) {
    fail(archive::kCannotReadFile);
    return false;
  }
  // Spanning applies to archive files only; a stream takes everything.
  const int64_t maxSize = archiveName.empty() ? 0 : MaxSize;
  auto afterBlock = [this, &writer](size_t sourceBytes) {
    BytesDone += static_cast<int64_t>(sourceBytes);
    ArchiveBytes = writer.archiveBytes();
    blockDone(true);
    return ContinueFlag;
  };
  bool freshDisk = false;
  for (;;) {
    RunEnd end = writer.writeRun(source, remaining, maxSize, afterBlock);
    ArchiveBytes = writer.archiveBytes();
    switch (end) {
      case RunEnd::complete:
        return true;
      case RunEnd::stopped:
        return false;
      case RunEnd::sourceFailed:
        fail(archive::kCannotReadFile);
        return false;
      case RunEnd::compressionFailed:
        fail(archive::kCompressionError);
        return false;
      case RunEnd::writeFailed:
        fail(archive::kCannotWriteArchive);
        return false;
      case RunEnd::sizeLimit:
        // A new disk that cannot take a single block never will: MaxSize is too small.
        if (freshDisk && writer.blocksInLastRun() == 0) {
          fail(archive::kCannotWriteArchive);
          return false;
        }
        if (!startNextDisk(writer, archiveFile, archiveName, disk)) return false;
        freshDisk = true;
        break;
    }
  }
}

bool TBackupFile::startNextDisk(ArchiveWriter& writer, FileStream& archiveFile,
                                const std::string& archiveName, int& disk) {
  if (disk >= archive::kMaxDisk || !writer.writeSpanRecord(disk + 1)) {
    fail(archive::kCannotWriteArchive);
    return false;
  }
  ++disk;
  archiveFile.close();
  askForDisk(disk);
  if (!ContinueFlag) return false;
  if (!archiveFile.create(archive::diskFileName(archiveName, disk))) {
    fail(archive::kCannotWriteArchive);
    return false;
  }
  return true;
}

}  // namespace scrubwell
