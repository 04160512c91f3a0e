// The real UPDATER.EXE end to end: it waits for a destination held open, replaces the program
// file and files of the data folder, skips any other destination, starts the program of line 1
// again (a stand-in that records its start), and changes nothing on a bad command line.
#include <gtest/gtest.h>

#include "e2e/program_driver.h"
#include "platform/handles.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

// Starts `exe` with a command line as given; the running process.
scrubwell::KernelHandle start(const std::string& exe, const std::string& arguments) {
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi))
    return {};
  CloseHandle(pi.hThread);
  return scrubwell::KernelHandle(pi.hProcess);
}

int exitCodeOf(const scrubwell::KernelHandle& p, DWORD timeoutMs = 40000) {
  if (!p || WaitForSingleObject(p.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(p.get(), &code);
  return static_cast<int>(code);
}

bool stillRunning(const scrubwell::KernelHandle& p) {
  return WaitForSingleObject(p.get(), 0) == WAIT_TIMEOUT;
}

// Waits until `path` exists (the stand-in writes it after the updater has ended).
bool waitForFile(const std::string& path) {
  for (int i = 0; i < 200 && !fileExists(path); ++i) Sleep(50);
  return fileExists(path);
}

class Updater : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(makeFolders(data) && makeFolders(temp) && makeFolders(programFolder) &&
                makeFolders(outside));
    standin = readFile(buildFolder() + "tests\\e2e\\update_standin.exe");
    ASSERT_FALSE(standin.empty());
    // Bytes after the image do not stop it from running: they tell the old program from the new.
    ASSERT_TRUE(writeFile(program, standin + "OLD"));
    ASSERT_TRUE(writeFile(outside + "keep.txt", "keep"));
    ASSERT_TRUE(writeFile(data + "a.txt", "old a"));
  }
  std::string updater() const { return buildFolder() + "src\\updater\\UPDATER.EXE"; }
  void writeScript(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    ASSERT_TRUE(writeFile(scriptPath, text));
  }

  ScratchFolder root{'D', "updater"};
  const std::string data = root / "data\\";
  const std::string temp = root / "temp\\";
  const std::string programFolder = root / "prog\\";
  const std::string outside = root / "outside\\";
  const std::string program = programFolder + "Scrubwell.exe";
  const std::string scriptPath = data + "updatescript.dat";
  std::string standin;
};

}  // namespace

TEST_F(Updater, AppliesEverythingAndStartsTheProgramAgain) {
  ASSERT_TRUE(writeFile(temp + "Scrubwell.exe", standin + "NEW"));
  ASSERT_TRUE(writeFile(temp + "a.txt", "new a"));
  writeScript({program, temp + "Scrubwell.exe", program, temp + "a.txt", data + "a.txt"});
  EXPECT_EQ(exitCodeOf(start(updater(), "\"" + scriptPath + "\"")), 0);
  EXPECT_EQ(readFile(program), standin + "NEW");
  EXPECT_EQ(readFile(data + "a.txt"), "new a");
  EXPECT_FALSE(fileExists(temp + "a.txt") || fileExists(temp + "Scrubwell.exe"))
      << "sources deleted";
  EXPECT_FALSE(fileExists(scriptPath)) << "script deleted";
  ASSERT_TRUE(waitForFile(programFolder + "started.txt"));
  EXPECT_NE(readFile(programFolder + "started.txt").find("Scrubwell.exe"), std::string::npos);
}

TEST_F(Updater, WaitsForAHeldDestinationAndSkipsOneOutside) {
  ASSERT_TRUE(writeFile(temp + "a.txt", "new a"));
  ASSERT_TRUE(writeFile(temp + "keep.txt", "replaced"));
  writeScript({program, temp + "keep.txt", outside + "keep.txt", temp + "a.txt", data + "a.txt"});
  scrubwell::FileHandle held(
      CreateFileA((data + "a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  auto p = start(updater(), "\"" + scriptPath + "\"");
  ASSERT_TRUE(p);
  Sleep(1500);
  EXPECT_TRUE(stillRunning(p)) << "it waits while the file is held";
  char seen[16] = {};
  DWORD got = 0;
  ASSERT_TRUE(ReadFile(held.get(), seen, sizeof seen, &got, nullptr));
  EXPECT_EQ(std::string(seen, got), "old a") << "nothing written while held";
  held.reset();
  EXPECT_EQ(exitCodeOf(p), 1) << "a destination was refused";
  EXPECT_EQ(readFile(data + "a.txt"), "new a");
  EXPECT_EQ(readFile(outside + "keep.txt"), "keep");
  EXPECT_TRUE(fileExists(scriptPath)) << "kept, since not all went well";
  EXPECT_TRUE(waitForFile(programFolder + "started.txt")) << "started again in every case";
}

TEST_F(Updater, BadCommandLinesChangeNothing) {
  ASSERT_TRUE(writeFile(temp + "a.txt", "new a"));
  writeScript({program, temp + "a.txt", data + "a.txt"});
  for (const std::string& args :
       {std::string(), "\"" + scriptPath + "\" \"" + scriptPath + "\"", "\"" + data + "a.txt\"",
        "\"" + data + "missing\\updatescript.dat\"", std::string("/update"), "\"" + scriptPath})
    EXPECT_EQ(exitCodeOf(start(updater(), args)), 2) << args;
  EXPECT_EQ(readFile(data + "a.txt"), "old a");
  EXPECT_TRUE(fileExists(scriptPath) && fileExists(temp + "a.txt"));
  EXPECT_FALSE(fileExists(programFolder + "started.txt"));
}
