// TBackupFile: properties, error reports, the disk prompt, progress and reading an archive's
// header and file-ID list.
#include "backup/backup_file.h"

#include <windows.h>

#include "backup/archive_reader.h"
#include "backup/file_stream.h"
#include "base/text_lines.h"
#include "platform/seams.h"

namespace scrubwell {

namespace {
const char kCaption[] = "Scrubwell";
}

void TBackupFile::SetBackupMode(TBackupMode mode) {
  if (mode == backupMode_) return;
  backupMode_ = mode;
  if (mode == bmIncremental) SetArchiveFlag = true;
}

void TBackupFile::fail(int32_t code) {
  if (LastError == 0) LastError = code;
  ContinueFlag = false;
}

void TBackupFile::progress(const std::string& file, TPercentage percent) {
  if (OnProgress) OnProgress(*this, file, percent, ContinueFlag);
}

void TBackupFile::blockDone(bool report) {
  pump_();
  if (report) progress(CurrentFile, archive::percentOf(BytesDone, TotalBytes));
}

void TBackupFile::askForDisk(int disk) {
  if (OnNeedDisk) {
    OnNeedDisk(*this, static_cast<uint16_t>(disk), ContinueFlag);
    return;
  }
  std::string text = "Please insert disk " + std::to_string(disk) + " and click OK to continue.";
  ContinueFlag =
      prompts().messageBox(nullptr, text, kCaption, MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

void TBackupFile::ReportError(int32_t Code) {
  std::string message = archive::errorMessage(Code);
  if (OnError) {
    OnError(*this, Code, message);
    return;
  }
  prompts().messageBox(nullptr, message, kCaption, MB_OK | MB_ICONERROR);
}

bool TBackupFile::ReadArchiveInfo(const std::string& ArchiveName,
                                  std::vector<std::string>* FileList, std::string& Title) {
  Title.clear();
  if (Busy) return false;  // the counters belong to the running operation
  TotalBytes = 0;
  FileCount = 0;
  FilesDone = 0;
  LastError = 0;
  FileStream file;
  ArchiveStream* in = InStream;
  if (ArchiveName != archive::kStreamName) {
    if (fileAttributes(ArchiveName) == INVALID_FILE_ATTRIBUTES) return false;
    in = file.openRead(ArchiveName) ? &file : nullptr;
  }
  auto failWith = [this](int32_t code) {
    LastError = code;
    ReportError(code);
    return false;
  };
  if (!in) return failWith(archive::kCannotReadArchive);

  ArchiveReader reader(*in);
  ArchiveHeader header;
  if (reader.readHeader(header) != ReadResult::ok) return failWith(archive::kInvalidArchiveType);
  Title = std::move(header.title);
  TotalBytes = header.totalBytes;
  FileCount = header.fileCount;

  std::string name;
  if (reader.readName(name) != ReadResult::ok) return failWith(archive::kInvalidArchiveType);
  if (!FileList || name != archive::kFileListName) return true;
  int32_t date = 0;
  if (reader.readInt32(date) != ReadResult::ok) return failWith(archive::kInvalidArchiveType);
  ContinueFlag = true;
  MemoryStream list;
  list.setLimit(archive::kMaxFileListBytes);
  ReadResult r = reader.readRun(&list, [this](size_t) {
    blockDone(false);
    return ContinueFlag;
  });
  if (r == ReadResult::compressionFailed) return failWith(archive::kCompressionError);
  if (r != ReadResult::ok) return failWith(archive::kInvalidArchiveType);
  const auto& bytes = list.bytes();
  *FileList =
      splitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return true;
}

}  // namespace scrubwell
