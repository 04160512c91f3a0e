// The backup archive's shared vocabulary: its enumerations, record constants, error codes and the
// small rules (disk names, stored-name safety, file-ID lines, percentages) that writer, reader and
// the TBackupFile component all use.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrubwell {

enum TBackupMode : uint8_t { bmAll = 0, bmIncremental = 1 };
enum TRestoreMode : uint8_t {
  rmAll = 0,
  rmNoOverwrite = 1,
  rmNewer = 2,
  rmExisting = 3,
  rmExistingNewer = 4
};
enum TCompressionLevel : uint8_t { clFastest = 0, clNone = 1, clDefault = 2, clMax = 3 };
using TPercentage = uint8_t;

namespace archive {

// Every block holds at most this many bytes of the source, before and after compression.
inline constexpr size_t kBlockSize = 16384;
// A spanned archive starts a new block only while the file position is below MaxSize minus this.
inline constexpr int64_t kSpanReserve = static_cast<int64_t>(kBlockSize) + 100;
inline constexpr char kRunMarker[4] = {'E', 'C', '2', '\0'};
inline constexpr std::string_view kFileListName = "FILE:LIST";
inline constexpr std::string_view kNextDiskPrefix = "NEXT:DISK";
inline constexpr std::string_view kStreamName = ":STREAM";
// Disk numbers are three decimal digits in the spanning record.
inline constexpr int kMaxDisk = 999;
// Bounds on the variable-length fields a reader accepts; a writer never produces more.
inline constexpr int32_t kMaxNameLength = 4096;
inline constexpr int32_t kMaxTitleLength = 65536;
// The file-ID list is read into memory; a longer one is treated as damage.
inline constexpr size_t kMaxFileListBytes = 64u << 20;

enum ErrorCode : int32_t {
  kNoError = 0,
  kCannotReadFile = 1,
  kCannotReadArchive = 3,
  kCannotWriteArchive = 4,
  kInvalidArchiveType = 5,
  kCompressionError = 6,
  kCannotCreateFileIdList = 7,
};

// The message of an error code; empty for a code that has none.
std::string errorMessage(int32_t code);

// The zlib level of a compression level: 1, 0, Z_DEFAULT_COMPRESSION and 9.
int zlibLevel(TCompressionLevel level);

// done * 100 / total by integer division in 64 bits, kept within 0..100; 0 when total is not
// positive (an archive of empty files only).
TPercentage percentOf(int64_t done, int64_t total);

// The name of disk `disk` (2 and up) of a spanned set: the extension of `archiveName` replaced by
// "." and three digits (x.bck -> x.002). A name without extension gets one.
std::string diskFileName(const std::string& archiveName, int disk);

// "NEXT:DISK" and the disk number as three digits, and its inverse: the number of a well-formed
// spanning record name, or -1.
std::string spanRecordName(int disk);
int spanRecordDisk(std::string_view name);
inline bool startsWithNextDisk(std::string_view name) {
  return name.substr(0, kNextDiskPrefix.size()) == kNextDiskPrefix;
}

// True for a name a restore may write to: a drive letter, ":\", then non-empty parts separated by
// single backslashes, none of them "." or "..", a device name (CON, NUL, COM1, ...), ending in a
// dot or blank, or holding control characters or any of <>:"/\|?*.
bool isPlainAbsolutePath(std::string_view name);

// One line of the file-ID list: path, tab, DOS date-time, "=", size, CR LF.
std::string fileIdLine(const std::string& path, int32_t dosDate, int64_t size);

// Little-endian 32-bit fields.
inline void putInt32(uint8_t* at, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
  at[2] = static_cast<uint8_t>(v >> 16);
  at[3] = static_cast<uint8_t>(v >> 24);
}
inline int32_t getInt32(const uint8_t* at) {
  uint32_t v = at[0] | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) | (uint32_t{at[3]} << 24);
  return static_cast<int32_t>(v);
}

}  // namespace archive
}  // namespace scrubwell
