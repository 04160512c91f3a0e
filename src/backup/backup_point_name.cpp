// The names of backup points in the backup folder.
#include "backup/backup_point_name.h"

namespace scrubwell {
namespace {

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

bool isBackupPointFileName(std::string_view name) {
  auto dot = name.find('.');
  if (dot == std::string_view::npos) return false;
  std::string_view number = name.substr(0, dot), ext = name.substr(dot + 1);
  if (!allDigits(number) || number.size() > 4 || number[0] == '0') return false;
  int n = 0;
  for (char c : number) n = n * 10 + (c - '0');
  if (n < 1 || n > 1000) return false;
  if (ext.size() != 3) return false;
  bool bck = (ext[0] == 'b' || ext[0] == 'B') && (ext[1] == 'c' || ext[1] == 'C') &&
             (ext[2] == 'k' || ext[2] == 'K');
  return bck || (allDigits(ext) && ext != "000" && ext != "001");
}

}  // namespace scrubwell
