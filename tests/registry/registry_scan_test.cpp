// The registry checks on scratch roots: each source's rules where they can catch a real fault,
// the check going on past a value of the wrong type, names without an ANSI spelling, drives that
// are not there or not ready, and the uninstall check. (The cap of 1000 is the findings table's,
// tested with the table.)
#include <gtest/gtest.h>

#include "base/texts.h"
#include "registry/registry_scan.h"
#include "registry_test_support.h"
#include "support/registry_override.h"
#include "support/scratch.h"

namespace scrubwell {
namespace {

using test::setRegRaw;
using test::wideBytes;

struct ScratchRoots {
  test::RegistryOverride lm{HKEY_LOCAL_MACHINE}, cr{HKEY_CLASSES_ROOT}, cu{HKEY_CURRENT_USER};
  test::ScratchFolder dir{'D'};
  ScratchRoots() { translation().loadFromText(test::kRegistryTexts); }
  ~ScratchRoots() { translation().clear(); }

  void fontsFolder() {
    test::makeFolders(dir / "Fonts");
    test::setRegString(HKEY_CURRENT_USER, kShellFoldersKey, "FONTS", dir / "Fonts");
  }
  void font(const char* key, int i, const std::string& file) {
    test::setRegString(HKEY_LOCAL_MACHINE, key, "Font " + std::to_string(i), file);
  }
  std::vector<std::string> entries(FindingKind kind) {
    RegistryFindings findings;
    ScanProblems problems;
    fullRegistryCheck(findings, problems);
    std::vector<std::string> out;
    for (const auto& f : findings.lines())
      if (f.record.Kind == kind) out.push_back(f.record.EntryName);
    return out;
  }
};

TEST(RegistryScan, AppPathsSkipPercentExemptAndExistingPrograms) {
  ScratchRoots r;
  ASSERT_TRUE(r.lm.ok() && r.cr.ok() && r.cu.ok());
  test::writeFile(r.dir / "here.exe", "x");
  const std::string k = std::string(kAppPathsKey) + "\\";
  test::setRegString(HKEY_LOCAL_MACHINE, k + "gone.exe", "", "\"" + r.dir / "gone.exe" + "\"");
  test::setRegString(HKEY_LOCAL_MACHINE, k + "here.exe", "", r.dir / "here.exe");
  test::setRegString(HKEY_LOCAL_MACHINE, k + "env.exe", "", "%ProgramFiles%\\gone.exe");
  test::setRegString(HKEY_LOCAL_MACHINE, k + "oo.exe", "", r.dir / "OpenOffice\\gone.exe");
  test::setRegString(HKEY_LOCAL_MACHINE, k + "nodrive.exe", "", "W:\\gone\\app.exe");
  EXPECT_EQ(r.entries(FindingKind::appPath), std::vector<std::string>{"gone.exe"})
      << "a drive letter that is not there is never taken for a missing program";
}

TEST(RegistryScan, FontCountRuleAtFourFiveAndSixValues) {
  for (int count : {4, 5, 6}) {
    ScratchRoots r;
    r.fontsFolder();
    test::writeFile(r.dir / "Fonts\\here.ttf", "x");
    for (int i = 0; i < count - 1; ++i) r.font(kFontsKey, i, "here.ttf");
    r.font(kFontsKey, 99, "gone.ttf");
    for (int i = 0; i < 6; ++i)
      r.font(kFontsFallbackKey, i, i == 0 ? "fallback-gone.ttf" : "here.ttf");
    const auto found = r.entries(FindingKind::font);
    if (count == 4)
      EXPECT_EQ(found, std::vector<std::string>{"Font 0"}) << "fewer than 5: the fallback key";
    else if (count == 5)
      EXPECT_TRUE(found.empty()) << "exactly 5: the source is skipped";
    else
      EXPECT_EQ(found, std::vector<std::string>{"Font 99"});
  }
}

TEST(RegistryScan, AValueOfAnotherTypeReadsAsEmptyAndTheCheckGoesOn) {
  ScratchRoots r;
  const std::string k = std::string(kAppPathsKey) + "\\";
  setRegRaw(HKEY_LOCAL_MACHINE, k + "a-number.exe", L"", REG_DWORD, std::string(4, '\1'));
  setRegRaw(HKEY_LOCAL_MACHINE, k + "b-binary.exe", L"", REG_BINARY, "C:\\gone.exe");
  test::setRegString(HKEY_LOCAL_MACHINE, k + "c-gone.exe", "", r.dir / "c-gone.exe");
  test::setRegDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, r.dir / "gone.dll", 1);
  setRegRaw(HKEY_CLASSES_ROOT, ".zz1", L"", REG_DWORD, std::string(4, '\0'));
  test::setRegString(HKEY_CLASSES_ROOT, ".zz2", "", "zz2file");
  test::setRegString(HKEY_CLASSES_ROOT, "zz2file\\shell\\open\\command", "",
                     "\"" + r.dir / "viewer.exe" + "\" \"%1\"");
  RegistryFindings findings;
  ScanProblems problems;
  fullRegistryCheck(findings, problems);
  ASSERT_EQ(findings.size(), 3u);
  EXPECT_EQ(findings[0].record.EntryName, "c-gone.exe");
  EXPECT_EQ(findings[1].record.Kind, FindingKind::sharedDll);
  EXPECT_EQ(findings[2].record.EntryName, ".zz2");
  EXPECT_EQ(findings[2].target, r.dir / "viewer.exe");
  EXPECT_FALSE(problems.any());
}

TEST(RegistryScan, NamesWithoutAnAnsiSpellingAreNotFindings) {
  ScratchRoots r;
  setRegRaw(HKEY_LOCAL_MACHINE, kSharedDllsKey, L"C:\\gone\\\x0416\x0436.dll", REG_DWORD,
            std::string(4, '\1'));
  setRegRaw(HKEY_LOCAL_MACHINE, kSharedDllsKey, L"C:\\gone\\plain.dll", REG_DWORD,
            std::string(4, '\1'));
  EXPECT_EQ(r.entries(FindingKind::sharedDll), std::vector<std::string>{"C:\\gone\\plain.dll"})
      << "the ANSI functions would name (and delete) another value";
}

TEST(RegistryScan, MissingSourcesAreNoProblemAndCreateNothing) {
  ScratchRoots r;
  RegistryFindings findings;
  ScanProblems problems;
  fullRegistryCheck(findings, problems);
  UninstallFindings uninstall;
  uninstallCheck(uninstall, problems);
  EXPECT_TRUE(findings.empty());
  EXPECT_FALSE(problems.any());
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey))
      << "read-only: nothing created";
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST(RegistryScan, UninstallEntriesByTheirCommands) {
  ScratchRoots r;
  test::writeFile(r.dir / "uninst.exe", "x");
  const std::string k = std::string(kUninstallKey) + "\\";
  auto entry = [&](const std::string& key, const std::string& name, const std::string& command) {
    test::setRegString(HKEY_LOCAL_MACHINE, k + key, "DisplayName", name);
    test::setRegString(HKEY_LOCAL_MACHINE, k + key, "UninstallString", command);
  };
  entry("a", "Gone", r.dir / "gone.exe");
  entry("b", "Here", r.dir / "uninst.exe");
  entry("c", "Folder gone", r.dir / "uninst.exe -f\"" + r.dir / "App\\x.isu\"");
  entry("d", "", r.dir / "gone.exe");
  entry("e", "Upper", r.dir / "GONE.EXE");
  UninstallFindings found;
  ScanProblems problems;
  uninstallCheck(found, problems);
  EXPECT_EQ(found.allSubkeys.size(), 5u);
  ASSERT_EQ(found.lines.size(), 2u);
  EXPECT_EQ(found.lines[0].subkey, "a");
  EXPECT_EQ(found.lines[1].displayName, "Folder gone");
  EXPECT_TRUE(found.lines[0].selected && found.lines[1].selected);
}

}  // namespace
}  // namespace scrubwell

namespace scrubwell {
namespace {

// Run with drive R: as a CD-ROM drive whose medium is taken out here: its folder goes away.
TEST(RegistryScan, APathOnADriveWithoutAMediumIsNoFinding) {
  char prefix[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("SCRUBWELL_EMPTY_CDROM", prefix, MAX_PATH) ||
      !GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH))
    GTEST_SKIP() << "needs the run with an empty CD-ROM drive R:";
  const std::string medium = std::string("Z:") + prefix + "\\drives\\r";
  ASSERT_TRUE(RemoveDirectoryA(medium.c_str()) || !test::folderExists(medium));
  ASSERT_EQ(GetDriveTypeA("R:\\"), static_cast<UINT>(DRIVE_CDROM));
  ScratchRoots r;
  test::setRegString(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\cd.exe", "",
                     "R:\\setup\\cd.exe");
  test::setRegString(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\gone.exe", "",
                     r.dir / "gone.exe");
  EXPECT_EQ(r.entries(FindingKind::appPath), std::vector<std::string>{"gone.exe"});
}

}  // namespace
}  // namespace scrubwell
