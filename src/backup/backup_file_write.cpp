// TBackupFile::Backup: collects the files, computes the totals, writes the optional file-ID list
// and every file as an entry, and spans the archive over further files when MaxSize is set.
// Each source is opened once, when it is packed; the totals and the file-ID list come from one
// attribute query per file. A source that changed since then, or while it was packed, is packed
// again (or left out), and the header and the list are written afresh to match what was stored.
#include <windows.h>

#include <climits>

#include "backup/archive_writer.h"
#include "backup/backup_file.h"
#include "backup/file_stream.h"
#include "backup/source_files.h"
#include "platform/find.h"
#include "platform/long_path.h"

namespace scrubwell {

namespace {

// A source that changes while it is packed is packed this often before it is given up.
constexpr int kPackAttempts = 3;

// Deletes the temporary file-ID file when the backup ends, however it ends.
struct TemporaryFile {
  std::string path;
  ~TemporaryFile() {
    if (!path.empty()) DeleteFileA(path.c_str());
  }
};

// Saves `text` in the temporary file, made first as a new unique "FID" file of the user's
// temporary folder.
bool saveInTemporaryFile(const std::string& text, TemporaryFile& file) {
  if (file.path.empty()) {
    char folder[256];
    char name[MAX_PATH];
    DWORD n = GetTempPathA(sizeof folder, folder);
    if (n == 0 || n >= sizeof folder || GetTempFileNameA(folder, "FID", 0, name) == 0) return false;
    file.path = name;
  }
  FileStream out;
  return out.create(file.path) && out.write(text.data(), text.size());
}

// What the header and the file-ID list say of one collected file; size -1 when it is not stored.
struct Facts {
  int64_t size = -1;
  int32_t date = 0;
};

Facts factsOf(const std::string& path) {
  Facts facts;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!pathAttributeData(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return facts;
  facts.size = fileSizeOf(data);
  if (!fileTimeToDosDate(data.ftLastWriteTime, facts.date)) facts.date = 0;
  return facts;
}

int32_t headerTotal(int64_t total) {
  return total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
}

}  // namespace

// The state of one Backup run.
struct TBackupFile::Packing {
  Packing(ArchiveStream& stream, TCompressionLevel level) : out(stream), writer(out, level) {}

  std::vector<std::string> items;  // the file-ID file first when `listed`
  std::vector<Facts> facts;        // index-aligned with items
  bool listed = false;
  std::string archiveName;  // empty when writing OutStream
  FileStream archiveFile;
  BufferedWriter out;
  ArchiveWriter writer;
  int disk = 1;
  int64_t entriesStart = 0;  // where the entries after the file-ID list begin
  bool frontStale = false;   // the header or the list no longer describe what is stored
  bool mayLeaveOut = false;
  TemporaryFile idFile;
};

bool TBackupFile::Backup(const std::vector<std::string>& FileList, const std::string& ArchiveName) {
  if (Busy) return false;  // a handler called us again while we pump messages
  const bool toStream = ArchiveName == archive::kStreamName;
  LastError = 0;
  LeftOut.clear();
  BusyScope busy(Busy);
  FileStream unused;
  Packing p(toStream && OutStream ? *OutStream : unused, CompressionLevel);
  if (!toStream) {
    p.out.switchTo(p.archiveFile);
    p.archiveName = ArchiveName;
  }
  p.mayLeaveOut = LeaveOutUnreadable && !toStream && MaxSize == 0;
  p.items = collectSourceFiles(FileList, p.archiveName, BackupMode());
  ContinueFlag = true;
  progress("", 0);
  TotalBytes = 0;
  FilesDone = 0;
  BytesDone = 0;
  ArchiveBytes = 0;
  CurrentFile.clear();

  int64_t total = 0;
  std::string idText;
  p.facts.reserve(p.items.size() + 1);
  for (const auto& path : p.items) {
    p.facts.push_back(factsOf(path));  // a vanished file is left out
    if (p.facts.back().size < 0) continue;
    total += p.facts.back().size;
    if (SaveFileID) idText += archive::fileIdLine(path, p.facts.back().date, p.facts.back().size);
  }
  if (SaveFileID) {
    if (saveInTemporaryFile(idText, p.idFile)) {
      p.items.insert(p.items.begin(), p.idFile.path);
      p.facts.insert(p.facts.begin(), Facts{});
      p.listed = true;
      total += static_cast<int64_t>(idText.size());
    } else {
      fail(archive::kCannotCreateFileIdList);
    }
  }
  TotalBytes = total;

  if (ContinueFlag && (toStream ? !OutStream : !p.archiveFile.create(ArchiveName)))
    fail(archive::kCannotWriteArchive);
  FileCount = static_cast<int32_t>(p.items.size()) - (p.listed ? 1 : 0);
  if (ContinueFlag && !p.writer.writeHeader(BackupTitle, headerTotal(total), FileCount))
    fail(archive::kCannotWriteArchive);
  p.entriesStart = p.out.position();
  for (size_t i = 0; i < p.items.size() && ContinueFlag; ++i) {
    packItem(p, i);
    if (p.listed && i == 0) p.entriesStart = p.out.position();
  }

  bool result = false;
  if (ContinueFlag) {
    result = p.writer.writeEndMarker() && p.out.flush();
    if (!result) fail(archive::kCannotWriteArchive);
  } else {
    p.out.flush();  // a stopped backup leaves what it wrote in place
  }
  if (result && p.frontStale && !toStream && MaxSize == 0) result = rewriteFront(p);
  p.archiveFile.close();
  progress("", 100);
  Busy = false;
  if (LastError != 0) ReportError(LastError);
  return result && LastError == 0;
}

// Packs one collected item as an entry, from one open of the file. A file that vanished is
// skipped; one that cannot be read, or keeps changing while it is packed, is left out when that is
// allowed and stops the backup otherwise.
void TBackupFile::packItem(Packing& p, size_t item) {
  const bool isList = p.listed && item == 0;
  const std::string& path = p.items[item];
  Facts& facts = p.facts[item];
  auto leaveOut = [&] {
    if (facts.size >= 0) p.frontStale = true;
    facts.size = -1;
    LeftOut.push_back(path);
  };
  FileStream source;
  // The source is opened before its entry is begun, so a file that cannot be read leaves no
  // half-written entry behind.
  if (!source.openRead(path)) {
    if (fileAttributes(path) == INVALID_FILE_ATTRIBUTES) {  // vanished: skipped
      if (facts.size >= 0) p.frontStale = true;
      facts.size = -1;
      return;
    }
    if (!isList && p.mayLeaveOut) return leaveOut();
    return fail(archive::kCannotReadFile);
  }
  int64_t size = source.size();
  for (int attempt = 1;; ++attempt) {
    const int64_t entryStart = p.out.position();
    FILETIME written{};
    int32_t date = 0;
    if (source.lastWrite(written)) fileTimeToDosDate(written, date);
    CurrentFile = isList ? std::string(archive::kFileListName) : path;
    if (!p.writer.writeName(CurrentFile) || !p.writer.writeInt32(date))
      return fail(archive::kCannotWriteArchive);
    CurrentFile = path;
    const Stored stored = storeFile(p, source, size);
    if (stored == Stored::failed) return;
    FILETIME after{};
    const int64_t sizeAfter = source.size();
    if (stored == Stored::whole && sizeAfter == size && source.lastWrite(after) &&
        CompareFileTime(&after, &written) == 0) {
      if (isList) return;
      ++FilesDone;
      if (facts.size != size || facts.date != date) p.frontStale = true;
      facts = {size, date};
      source.close();
      // Only a file stored whole counts as backed up for the next incremental backup.
      DWORD attributes = SetArchiveFlag ? fileAttributes(path) : INVALID_FILE_ATTRIBUTES;
      if (attributes != INVALID_FILE_ATTRIBUTES)
        setPathAttributes(path, attributes & ~FILE_ATTRIBUTE_ARCHIVE);
      return;
    }
    // The file changed while it was packed: what was stored is not the file, so it goes again.
    if (isList || !p.out.cutBackTo(entryStart)) return fail(archive::kCannotReadFile);
    if (attempt == kPackAttempts || sizeAfter < 0 || !source.seek(0)) {
      if (p.mayLeaveOut) return leaveOut();
      return fail(archive::kCannotReadFile);
    }
    size = sizeAfter;
  }
}

// Writes the data runs of one source, moving on to the next disk whenever the archive file is
// full.
TBackupFile::Stored TBackupFile::storeFile(Packing& p, FileStream& source, int64_t size) {
  int64_t remaining = size;
  if (remaining < 0) {
    fail(archive::kCannotReadFile);
    return Stored::failed;
  }
  // Spanning applies to archive files only; a stream takes everything.
  const int64_t maxSize = p.archiveName.empty() ? 0 : MaxSize;
  auto afterBlock = [this, &p](size_t sourceBytes) {
    BytesDone += static_cast<int64_t>(sourceBytes);
    ArchiveBytes = p.writer.archiveBytes();
    blockDone(true);
    return ContinueFlag;
  };
  bool freshDisk = false;
  for (;;) {
    RunEnd end = p.writer.writeRun(source, remaining, maxSize, afterBlock);
    ArchiveBytes = p.writer.archiveBytes();
    switch (end) {
      case RunEnd::complete:
        return Stored::whole;
      case RunEnd::stopped:
        return Stored::failed;
      case RunEnd::sourceFailed:  // locked or unreadable since it was opened
      case RunEnd::sourceShrank:
        if (maxSize == 0) return Stored::changed;
        fail(archive::kCannotReadFile);
        return Stored::failed;
      case RunEnd::compressionFailed:
        fail(archive::kCompressionError);
        return Stored::failed;
      case RunEnd::writeFailed:
        fail(archive::kCannotWriteArchive);
        return Stored::failed;
      case RunEnd::sizeLimit:
        // A new disk that cannot take a single block never will: MaxSize is too small.
        if (freshDisk && p.writer.blocksInLastRun() == 0) {
          fail(archive::kCannotWriteArchive);
          return Stored::failed;
        }
        if (!startNextDisk(p)) return Stored::failed;
        freshDisk = true;
        break;
    }
  }
}

bool TBackupFile::startNextDisk(Packing& p) {
  if (p.disk >= archive::kMaxDisk || !p.writer.writeSpanRecord(p.disk + 1) || !p.out.flush()) {
    fail(archive::kCannotWriteArchive);
    return false;
  }
  ++p.disk;
  p.archiveFile.close();
  askForDisk(p.disk);
  if (!ContinueFlag) return false;
  if (!p.archiveFile.create(archive::diskFileName(p.archiveName, p.disk))) {
    fail(archive::kCannotWriteArchive);
    return false;
  }
  return true;
}

// Writes the archive again with a header and a file-ID list that describe what was stored, and
// the entries after the list as they are, then puts it in place of the first one.
bool TBackupFile::rewriteFront(Packing& p) {
  int64_t total = 0;
  std::string idText;
  for (size_t i = p.listed ? 1 : 0; i < p.items.size(); ++i) {
    if (p.facts[i].size < 0) continue;
    total += p.facts[i].size;
    idText += archive::fileIdLine(p.items[i], p.facts[i].date, p.facts[i].size);
  }
  if (p.listed) total += static_cast<int64_t>(idText.size());
  const int32_t count = static_cast<int32_t>(p.items.size() - LeftOut.size()) - (p.listed ? 1 : 0);
  if (p.listed && !saveInTemporaryFile(idText, p.idFile)) {
    fail(archive::kCannotCreateFileIdList);
    return false;
  }
  const std::string fresh = p.archiveName + ".~";
  bool written = false;
  {
    FileStream front, list;
    BufferedWriter out(front);
    ArchiveWriter writer(out, CompressionLevel);
    FILETIME listWritten{};
    int32_t listDate = 0;
    int64_t remaining = 0;
    written = front.create(fresh) && writer.writeHeader(BackupTitle, headerTotal(total), count);
    if (written && p.listed) {
      written = list.openRead(p.idFile.path) && list.lastWrite(listWritten);
      fileTimeToDosDate(listWritten, listDate);
      remaining = list.size();
      written =
          written && writer.writeName(archive::kFileListName) && writer.writeInt32(listDate) &&
          writer.writeRun(list, remaining, 0, [](size_t) { return true; }) == RunEnd::complete;
    }
    std::vector<uint8_t> chunk(1 << 20);
    written = written && p.archiveFile.seek(p.entriesStart);
    for (int64_t n = 1; written && n > 0;) {
      n = p.archiveFile.read(chunk.data(), chunk.size());
      written = n >= 0 && out.write(chunk.data(), static_cast<size_t>(n));
    }
    written = written && out.flush();
  }
  p.archiveFile.close();
  if (!written || !movePath(fresh, p.archiveName, MOVEFILE_REPLACE_EXISTING)) {
    deletePath(fresh);
    fail(archive::kCannotWriteArchive);
    return false;
  }
  TotalBytes = total;
  FileCount = count;
  return true;
}

}  // namespace scrubwell
