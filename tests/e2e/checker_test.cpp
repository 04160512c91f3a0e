// The real Checker.exe installed beside the program: with "/check" it deletes the backup points
// older than two weeks from the data folder's BACKUP folder (by the real clock), with any other
// command line it does nothing; it never creates folders.
#include <gtest/gtest.h>

#include "e2e/program_driver.h"
#include "platform/handles.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

constexpr ULONGLONG kDay = 24ull * 60 * 60 * 10000000;  // in FILETIME ticks

std::string backupFolder() { return programDataFolder() + "BACKUP\\"; }

// A point file whose last write was `days` days before now.
void plantPoint(const std::string& name, int days) {
  const std::string path = backupFolder() + name;
  ASSERT_TRUE(writeFile(path, "archive")) << path;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULONGLONG t = ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) - days * kDay;
  FILETIME written{static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)};
  scrubwell::FileHandle h(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(h && SetFileTime(h.get(), nullptr, nullptr, &written)) << path;
}

// A fresh BACKUP folder with an old point, a recent one and an old file that is no point.
void plantPoints() {
  removeTree(backupFolder());
  plantPoint("1.bck", 20);
  plantPoint("2.bck", 2);
  plantPoint("1001.bck", 20);
}

void expectAllPointsKept() {
  for (const char* name : {"1.bck", "2.bck", "1001.bck"})
    EXPECT_TRUE(fileExists(backupFolder() + name)) << name;
}

void expectOnlyTheOldPointDeleted() {
  EXPECT_FALSE(fileExists(backupFolder() + "1.bck")) << "20 days old";
  EXPECT_TRUE(fileExists(backupFolder() + "2.bck")) << "2 days old";
  EXPECT_TRUE(fileExists(backupFolder() + "1001.bck")) << "not a point's name";
}

// Runs a whole command line as given, without the quoting RunningProgram adds; the exit code
// or -1.
int runCommandLine(std::string commandLine, const std::string& folder) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &pi))
    return -1;
  CloseHandle(pi.hThread);
  scrubwell::KernelHandle process(pi.hProcess);
  if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 99);
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return static_cast<int>(code);
}

}  // namespace

TEST(Checker, CheckDeletesOnlyPointsOlderThanTwoWeeks) {
  std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  plantPoints();
  RunningProgram p(folder + "Checker.exe", "/check");
  ASSERT_TRUE(p.started());
  EXPECT_EQ(p.waitForExit(), 0);
  expectOnlyTheOldPointDeleted();
}

TEST(Checker, OtherCommandLinesDoNothing) {
  std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  plantPoints();
  for (const char* arguments : {"", "/other", "/checker", "check", "/check now"}) {
    RunningProgram p(folder + "Checker.exe", arguments);
    ASSERT_TRUE(p.started());
    EXPECT_EQ(p.waitForExit(), 1) << '"' << arguments << '"';
    expectAllPointsKept();
  }
}

TEST(Checker, CaseAndBlanksOfTheSwitchDoNotMatter) {
  std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  plantPoints();
  {
    RunningProgram p(folder + "Checker.exe", "\" /Check \"");
    EXPECT_EQ(p.waitForExit(), 0);
    expectOnlyTheOldPointDeleted();
  }
  // The log-on entry as the program writes it (the path quoted), and one typed without quotes.
  plantPoints();
  EXPECT_EQ(runCommandLine("\"" + folder + "Checker.exe\" /check", folder), 0);
  expectOnlyTheOldPointDeleted();
  plantPoints();
  EXPECT_EQ(runCommandLine(folder + "Checker.exe /CHECK ", folder), 0);
  expectOnlyTheOldPointDeleted();
}

TEST(Checker, NeverCreatesTheDataFolder) {
  std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  std::string data = programDataFolder();
  std::string maker = data.substr(0, data.find_last_of('\\', data.size() - 2) + 1);
  removeTree(maker);
  ASSERT_FALSE(folderExists(maker));
  RunningProgram p(folder + "Checker.exe", "/check");
  EXPECT_EQ(p.waitForExit(), 0);
  EXPECT_FALSE(folderExists(maker)) << maker;
}
