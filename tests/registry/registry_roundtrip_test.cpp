// The promise of the registry cleaner, judged by Wine's real registry and Wine's real regedit:
// what a removal deletes comes back byte for byte when its point is restored.
#include <gtest/gtest.h>

#include <random>

#include "backup/my_backup.h"
#include "backup/point_restore.h"
#include "registry/registry_export.h"
#include "registry/registry_removal.h"
#include "registry/registry_scan.h"
#include "registry_test_support.h"
#include "support/registry_override.h"

namespace scrubwell {
namespace {

using test::dumpRegistryTree;
using test::setRegRaw;
using test::wideBytes;

const std::string kLm = "HKEY_LOCAL_MACHINE";
const std::string kAppKey = std::string(kAppPathsKey) + "\\zzgone.exe";
const std::string kUninstallEntry = std::string(kUninstallKey) + "\\ZzGone \"App\"";
const std::wstring kFontName = L"Zz Missing \u00e9 (TrueType)";
const std::wstring kDllName = L"C:\\zz\\gone\\shared.dll";

struct Planted {
  HKEY root;
  std::string path;
};

// Invalid entries of all four kinds and an invalid uninstall entry, each with values of every
// type, in the real registry of the test prefix.
std::vector<Planted> plantFindings() {
  setRegRaw(HKEY_LOCAL_MACHINE, kAppKey, L"", REG_SZ, wideBytes(L"\"C:\\zz\\gone.exe\""));
  test::plantEveryType(HKEY_LOCAL_MACHINE, kAppKey);

  // The fonts source needs the fonts folder named and more than 5 values; existing files make
  // the others valid.
  if (test::regString(HKEY_CURRENT_USER, kShellFoldersKey, "Fonts").empty())
    test::setRegString(HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", "C:\\windows\\Fonts");
  for (int i = 0; i < 6; ++i)
    setRegRaw(HKEY_LOCAL_MACHINE, kFontsKey, L"Zz Valid " + std::to_wstring(i), REG_SZ,
              wideBytes(L"C:\\windows\\system32\\kernel32.dll"));
  setRegRaw(HKEY_LOCAL_MACHINE, kFontsKey, kFontName, REG_SZ, wideBytes(L"zzmissing.ttf"));
  setRegRaw(HKEY_LOCAL_MACHINE, kSharedDllsKey, kDllName, REG_DWORD, std::string("\3\0\0\0", 4));
  setRegRaw(HKEY_LOCAL_MACHINE, kSharedDllsKey, L"C:\\windows\\system32\\kernel32.dll", REG_DWORD,
            std::string("\7\0\0\0", 4));

  // Two extensions share one class whose program is missing.
  for (const char* ext : {".zzq", ".zzr"}) {
    setRegRaw(HKEY_CLASSES_ROOT, ext, L"", REG_SZ, wideBytes(L"zzqfile"));
    setRegRaw(HKEY_CLASSES_ROOT, ext, L"Content Type", REG_SZ, wideBytes(L"text/zz"));
  }
  setRegRaw(HKEY_CLASSES_ROOT, "zzqfile\\shell\\open\\command", L"", REG_SZ,
            wideBytes(L"\"C:\\zz\\viewer.exe\" \"%1\""));
  test::plantEveryType(HKEY_CLASSES_ROOT, "zzqfile");

  setRegRaw(HKEY_LOCAL_MACHINE, kUninstallEntry, L"DisplayName", REG_SZ, wideBytes(L"Zz Gone"));
  setRegRaw(HKEY_LOCAL_MACHINE, kUninstallEntry, L"UninstallString", REG_SZ,
            wideBytes(L"C:\\zz\\gone\\uninst.exe"));
  test::plantEveryType(HKEY_LOCAL_MACHINE, kUninstallEntry);

  return {{HKEY_LOCAL_MACHINE, kAppKey},        {HKEY_LOCAL_MACHINE, kFontsKey},
          {HKEY_LOCAL_MACHINE, kSharedDllsKey}, {HKEY_CLASSES_ROOT, ".zzq"},
          {HKEY_CLASSES_ROOT, ".zzr"},          {HKEY_CLASSES_ROOT, "zzqfile"},
          {HKEY_LOCAL_MACHINE, kUninstallEntry}};
}

std::vector<std::string> dumps(const std::vector<Planted>& planted) {
  std::vector<std::string> out;
  for (const auto& p : planted) out.push_back(dumpRegistryTree(p.root, p.path));
  return out;
}

bool ours(const RegistryFinding& f) {
  const std::string& n = f.record.EntryName;
  return n == "zzgone.exe" || n.rfind("Zz Missing", 0) == 0 || n == "C:\\zz\\gone\\shared.dll" ||
         n == ".zzq" || n == ".zzr";
}

TEST(RegistryRoundTrip, RemovedFindingsComeBackByteForByteFromTheirPoint) {
  test::RegistryRemovalSandbox box;
  const auto planted = plantFindings();
  const auto before = dumps(planted);

  RegistryFindings findings;
  ScanProblems problems;
  fullRegistryCheck(findings, problems);
  size_t mine = 0;
  for (size_t i = 0; i < findings.size(); ++i) {
    findings.setChecked(i, ours(findings[i]));
    mine += ours(findings[i]) ? 1 : 0;
  }
  EXPECT_EQ(mine, 5u) << "an app path, a font, a shared DLL and two file types";
  UninstallFindings uninstall;
  uninstallCheck(uninstall, problems);
  for (auto& line : uninstall.lines) line.selected = line.subkey == "ZzGone \"App\"";
  EXPECT_TRUE(problems.unreadable.empty());

  auto items = removalItems(findings);
  for (auto& item : removalItems(uninstall)) items.push_back(item);
  ASSERT_EQ(items.size(), 6u);
  const auto outcome = removeRegistryItems(items, 0, box.settings, kRegistryExportFile, box.parts);
  ASSERT_EQ(outcome.end, RegistryRemovalEnd::done);
  EXPECT_EQ(outcome.counts.removed, 6);
  EXPECT_FALSE(test::fileExists(kRegistryExportFile)) << "the export lives on in the point only";

  EXPECT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, kAppKey), "(missing)");
  EXPECT_EQ(dumpRegistryTree(HKEY_CLASSES_ROOT, "zzqfile"), "(missing)");
  EXPECT_EQ(dumpRegistryTree(HKEY_CLASSES_ROOT, ".zzr"), "(missing)");
  EXPECT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, kUninstallEntry), "(missing)");
  const std::string fontsAfter = dumpRegistryTree(HKEY_LOCAL_MACHINE, kFontsKey);
  EXPECT_NE(fontsAfter, before[1]);
  EXPECT_NE(fontsAfter.find("5a007a002000560061006c0069006400"), std::string::npos)
      << "only the one font value went";

  const std::string point = box.dir / "BACKUP\\1.bck";
  ASSERT_TRUE(test::fileExists(point));
  EXPECT_EQ(restoreFromPoint(point, {"c:\\registrybackup_1.reg"}, box.windows.backup),
            RegistryImport::imported);
  const auto after = dumps(planted);
  for (size_t i = 0; i < planted.size(); ++i) EXPECT_EQ(after[i], before[i]) << planted[i].path;
  EXPECT_FALSE(test::fileExists(kRegistryExportFile));
}

// The classes root is a view of the local machine's and the user's Software\Classes, so these
// two digests cover all three roots (the classes root once instead of twice).
std::vector<uint64_t> digestsOfTheThreeRoots() {
  return {test::registryTreeDigest(HKEY_LOCAL_MACHINE, ""),
          test::registryTreeDigest(HKEY_CURRENT_USER, "")};
}

TEST(RegistryChecks, ChangeNothingInTheRegistry) {
  plantFindings();
  const auto before = digestsOfTheThreeRoots();
  RegistryFindings findings;
  ScanProblems problems;
  fullRegistryCheck(findings, problems);
  UninstallFindings uninstall;
  uninstallCheck(uninstall, problems);
  EXPECT_GE(findings.size(), 5u);
  EXPECT_GE(uninstall.lines.size(), 1u);
  EXPECT_EQ(digestsOfTheThreeRoots(), before);
}

// A key of random values (types, sizes, printable names) through export, deletion and regedit.
TEST(RegistryRoundTrip, SeededRandomKeyThroughExportDeleteAndRegedit) {
  test::RegistryRemovalSandbox box;
  const std::string key = "Software\\ZzRandom";
  std::mt19937 rng(20261209);
  const DWORD types[] = {REG_NONE,  REG_SZ,       REG_EXPAND_SZ, REG_BINARY,
                         REG_DWORD, REG_MULTI_SZ, REG_QWORD,     0x4242};
  for (int i = 0; i < 60; ++i) {
    std::wstring name;
    const int length = 1 + static_cast<int>(rng() % 20);
    for (int c = 0; c < length; ++c) name += static_cast<wchar_t>(32 + rng() % 95);
    const DWORD type = types[rng() % 8];
    std::string data;
    const size_t size = rng() % 300;
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
      // What a string value can hold and come back from a version-4 file: characters with an
      // ANSI spelling (NULs, line breaks and quotes among them), ended by a NUL, or nothing.
      const wchar_t extra[] = {0, L'\r', L'\n', L'"', L'\\', 0xe9, 0x20ac};
      std::wstring text;
      for (size_t c = 0; c < size / 2; ++c)
        text += rng() % 4 ? static_cast<wchar_t>(32 + rng() % 95) : extra[rng() % 7];
      if (size) data = wideBytes(text);
    } else {
      for (size_t c = 0; c < size; ++c) data += static_cast<char>(rng());
    }
    setRegRaw(HKEY_LOCAL_MACHINE, key + (i % 4 ? "" : "\\child " + std::to_string(i % 3)), name,
              type, data);
  }
  const std::string before = dumpRegistryTree(HKEY_LOCAL_MACHINE, key);

  const std::string reg = box.dir / "random.reg";
  RegistryExportFile file;
  ASSERT_TRUE(file.create(reg));
  ASSERT_EQ(file.exportTree(HKEY_LOCAL_MACHINE, key), ExportResult::written);
  ASSERT_TRUE(file.close());
  test::deleteRegTree(HKEY_LOCAL_MACHINE, key);
  ASSERT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, key), "(missing)");
  ASSERT_EQ(launcher().runAndWait("regedit /s \"" + reg + "\"", 60000), 0);
  EXPECT_EQ(dumpRegistryTree(HKEY_LOCAL_MACHINE, key), before);
}

}  // namespace
}  // namespace scrubwell
