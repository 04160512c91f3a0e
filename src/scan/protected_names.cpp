// Names no walk may offer or enter.
#include "scan/protected_names.h"

#include <array>
#include <utility>
#include <vector>

#include "platform/text_upper.h"

namespace scrubwell {
namespace {

constexpr std::string_view kFragments[] = {
    "DATA.BAK",       "PCDLIB32.DLL",   "NTMSDATA.BAK",
    "MMVISUAL.INT",   "MRBSTAT.LOG",    "WZ.PIF",
    "PX.INI",         "DYNHOME.DYH",    "THUMB1.DIB",
    "THUMB2.DIB",     "PCHEALTH",       "HPQGENDS.TMP",
    "ROBOEX32.DLL",   "MSVCP60.DLL",    "DAO360.DLL",
    "MSOWS407.DLL",   "HLP95EN.DLL",    "LFBMP70N.DLL",
    "LFGIF70N.DLL",   "MFC42.DLL",      "SYMEVNT1.DLL",
    "S32EVNT1.DLL",   "CDRAL.DLL",      "HMPG1R.DLL",
    "MPG1MVX.DLL",    "NavBrowser.exe", "AiODriver",
    "OmniPagePro",    "ImageStudio",    "OPA11.BAK",
    "Office\\Data",   "dao350.dll",     "patchw32.dll",
    "ct32.dll",       "incredmail",     "INDRED~",
    "SELFREG.DLL",    "Lfcmp70n.dll",   "dialogs.~tm",
    "funmapi32.dll",  "funmap~",        "digital imaging",
    "hewlet-packard", "FrHlpEn.GID",    "Symantec Shared",
    "AntiVirus",      "NAVAPW32.exe",   "settings.bak",
    "MyAuth.dat",     "common.txt",     "ltkrn70n.dll",
    "scan.msi",       "AVEwin32.dll",   "programme\\ScanSoft",
    "EUROFIBU",       "WNDTLS32.DLL",
};

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kPairs = {{
    {"ENC0", ".CD"},
    {"EVG0", ".CD"},
    {"STANDARDBENUTZERW", ".TXT"},
    {"Office", ".BAK"},
    {"Pinnacle", "Studio"},
}};

struct UpperLists {
  std::vector<std::string> fragments;
  std::vector<std::pair<std::string, std::string>> pairs;
  UpperLists() {
    for (auto f : kFragments) fragments.push_back(toUpper(f));
    for (auto& [a, b] : kPairs) pairs.emplace_back(toUpper(a), toUpper(b));
  }
};

const UpperLists& upperLists() {
  static const UpperLists lists;
  return lists;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

bool isSystemFolder(std::string_view folderUpper) {
  return contains(folderUpper, ":\\SYSTEM VOLUME INFORMATION") ||
         contains(folderUpper, "C:\\DOS") || contains(folderUpper, "SENDTO");
}

bool hasProtectedFragment(std::string_view pathUpper) {
  const auto& lists = upperLists();
  for (const auto& f : lists.fragments)
    if (contains(pathUpper, f)) return true;
  for (const auto& [a, b] : lists.pairs)
    if (contains(pathUpper, a) && contains(pathUpper, b)) return true;
  return false;
}

bool passesExtensionGuard(std::string_view name, std::string_view mask) {
  if (mask.size() <= 4) return true;
  std::string_view ext = mask.substr(mask.size() - 4);
  if (ext[0] != '.' || ext.find_first_of("*?") != std::string_view::npos) return true;
  return endsWithIgnoringCase(name, ext);
}

std::string firstLevelFolder(std::string_view folder) {
  if (folder.size() <= 3) return {};
  return toUpper(folder.substr(3, 8));
}

bool isRecycleOrRestoreFolder(std::string_view folder) {
  std::string first = firstLevelFolder(folder);
  return first == "RECYCLED" || first == "_RESTORE" || first == "RECYCLER";
}

}  // namespace scrubwell
