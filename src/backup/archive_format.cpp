// The backup archive's shared rules: error messages, levels, disk names, stored-name safety,
// file-ID lines and percentages.
#include "backup/archive_format.h"

#include <zlib.h>

#include <array>
#include <cstdio>

#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell::archive {
namespace {

// Names the system maps to devices, whatever extension follows them.
bool isDeviceName(std::string_view part) {
  std::string_view base = trimmedEnd(part.substr(0, part.find('.')), " ");
  static constexpr std::array<std::string_view, 7> fixed = {"CON",    "PRN",    "AUX",    "NUL",
                                                            "CLOCK$", "CONIN$", "CONOUT$"};
  for (auto name : fixed)
    if (equalsIgnoringCase(base, name)) return true;
  if (base.size() == 4 && base[3] >= '0' && base[3] <= '9')
    return equalsIgnoringCase(base.substr(0, 3), "COM") ||
           equalsIgnoringCase(base.substr(0, 3), "LPT");
  return false;
}

bool isPlainPart(std::string_view part) {
  if (part.empty() || part == "." || part == "..") return false;
  // A name may end in a dot or a blank (restores write through the "\\?\" form, which keeps
  // them), but a part of dots and blanks only would name its folder or nothing.
  if (part.find_first_not_of(". ") == std::string_view::npos) return false;
  for (char c : part) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20) return false;
    if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) return false;
  }
  return !isDeviceName(part);
}

}  // namespace

std::string errorMessage(int32_t code) {
  switch (code) {
    case kCannotReadFile:
      return "Cannot read file";
    case kCannotReadArchive:
      return "Cannot read archive";
    case kCannotWriteArchive:
      return "Cannot write to archive";
    case kInvalidArchiveType:
      return "Invalid archive type";
    case kCompressionError:
      return "Compression error";
    case kCannotCreateFileIdList:
      return "Cannot create temporary file to save the file IDs";
    default:
      return {};
  }
}

int zlibLevel(TCompressionLevel level) {
  switch (level) {
    case clFastest:
      return 1;
    case clNone:
      return 0;
    case clMax:
      return 9;
    case clDefault:
    default:
      return Z_DEFAULT_COMPRESSION;
  }
}

TPercentage percentOf(int64_t done, int64_t total) {
  if (total <= 0 || done <= 0) return 0;
  if (done >= total) return 100;
  return static_cast<TPercentage>(done * 100 / total);
}

std::string diskFileName(const std::string& archiveName, int disk) {
  size_t dot = archiveName.find_last_of(".\\:");
  std::string base = dot != std::string::npos && archiveName[dot] == '.'
                         ? archiveName.substr(0, dot)
                         : archiveName;
  char digits[8];
  std::snprintf(digits, sizeof digits, ".%03d", disk);
  return base + digits;
}

std::string spanRecordName(int disk) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03d", disk);
  return std::string(kNextDiskPrefix) + digits;
}

int spanRecordDisk(std::string_view name) {
  if (name.size() != kNextDiskPrefix.size() + 3 || !startsWithNextDisk(name)) return -1;
  int disk = 0;
  for (char c : name.substr(kNextDiskPrefix.size())) {
    if (c < '0' || c > '9') return -1;
    disk = disk * 10 + (c - '0');
  }
  return disk;
}

bool isPlainAbsolutePath(std::string_view name) {
  if (name.size() < 4) return false;
  char drive = upperChar(name[0]);
  if (drive < 'A' || drive > 'Z' || name[1] != ':' || name[2] != '\\') return false;
  std::string_view rest = name.substr(3);
  for (;;) {
    size_t cut = rest.find('\\');
    if (!isPlainPart(rest.substr(0, cut))) return false;
    if (cut == std::string_view::npos) return true;
    rest.remove_prefix(cut + 1);
  }
}

std::string fileIdLine(const std::string& path, int32_t dosDate, int64_t size) {
  return path + "\t" + std::to_string(dosDate) + "=" + std::to_string(size) + "\r\n";
}

}  // namespace scrubwell::archive
