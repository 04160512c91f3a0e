// The findings table.
#include "registry/registry_record.h"

namespace scrubwell {

bool RegistryFindings::add(RegistryFinding finding) {
  if (lines_.size() >= kCapacity) return false;
  lines_.push_back(std::move(finding));
  return true;
}

void RegistryFindings::setChecked(size_t line, bool checked) {
  if (line < lines_.size()) lines_[line].checked = checked;
}

void RegistryFindings::setAllChecked(bool checked) {
  for (auto& l : lines_) l.checked = checked;
}

std::string previewLine(const RegistryFinding& f) {
  static constexpr const char* kLm = "HKEY_LOCAL_MACHINE\\";
  const RegistryRecord& r = f.record;
  std::string kind, key, value;
  switch (r.Kind) {
    case FindingKind::appPath:
      kind = "apppath";
      key = kLm + std::string(kAppPathsKey) + "\\" + r.EntryName;
      value = "@";
      break;
    case FindingKind::font:
      kind = "font";
      key = std::string(kLm) + r.KeyPath;
      value = r.EntryName;
      break;
    case FindingKind::sharedDll:
      kind = "shareddll";
      key = kLm + std::string(kSharedDllsKey);
      value = r.EntryName;
      break;
    case FindingKind::fileType:
      kind = "filetype";
      key = "HKEY_CLASSES_ROOT\\" + r.EntryName;
      break;
  }
  return kind + "\t" + key + "\t" + value + "\t" + f.target;
}

size_t RegistryFindings::checkedCount() const {
  size_t n = 0;
  for (const auto& l : lines_) n += l.checked ? 1 : 0;
  return n;
}

}  // namespace scrubwell
