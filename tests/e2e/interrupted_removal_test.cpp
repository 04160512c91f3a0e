// A removal of many files through /auto, killed at a moment a seed chooses (while the point is
// written, while the files are deleted, or at a time after the start): every file is still in
// place or stored whole in a point that restores it byte for byte, every point can be read, and
// the next start (of the checker) removes what the killed run left of the point it was writing.
// SCRUBWELL_KILL_FILES (default 300) and SCRUBWELL_KILL_SEEDS (default 1,2,3,4) choose the size
// and the seeds; by hand, for example SCRUBWELL_KILL_FILES=20000 SCRUBWELL_KILL_SEEDS=1,2,3,4,5,6.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include "backup/backup_file.h"
#include "backup/my_backup.h"
#include "e2e/program_driver.h"
#include "platform/find.h"
#include "support/scratch.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kSettingsOnD =
    "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n[Suchausnahmen]\r\nAnzahl=0\r\n"
    "[Markiert]\r\nBox1=1\r\nBox6=0\r\nBox7=0\r\n";

int filesFromEnvironment() {
  const char* v = std::getenv("SCRUBWELL_KILL_FILES");
  return v && std::atoi(v) > 0 ? std::atoi(v) : 300;
}

std::vector<unsigned> seedsFromEnvironment() {
  const char* v = std::getenv("SCRUBWELL_KILL_SEEDS");
  std::stringstream in(v && *v ? v : "1,2,3,4");
  std::vector<unsigned> seeds;
  for (std::string s; std::getline(in, s, ',');)
    seeds.push_back(static_cast<unsigned>(std::stoul(s)));
  return seeds;
}

std::vector<std::string> namesIn(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  for (FindFiles f(folder + mask, 0x27); f.next();)
    if (!f.isDirectory()) names.push_back(f.name());
  return names;
}

// Waits until `done` holds or the program ends; true when `done` held.
template <class Condition>
bool waitFor(RunningProgram& program, Condition done) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(1)) {
    if (done()) return true;
    if (program.waitForExit(0) != -1) return false;
  }
  return false;
}

}  // namespace

TEST(InterruptedRemoval, EveryFileIsInPlaceOrWholeInAPoint) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const std::string backup = programDataFolder() + "BACKUP\\";
  const int count = filesFromEnvironment();
  ScratchFolder outputs('D', "kill-out");
  for (unsigned seed : seedsFromEnvironment()) {
    ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
    ScratchFolder dir('D', "kill");
    std::vector<std::string> files, contents;
    for (int i = 0; i < count; ++i) {
      files.push_back(dir / ("d" + std::to_string(i / 100) + "\\f" + std::to_string(i) + ".tmp"));
      ASSERT_TRUE(writePatternFile(files.back(), 200 + (i * 7919u + seed * 31u) % 3800,
                                   seed * 100000u + static_cast<unsigned>(i)));
      contents.push_back(readFile(files.back()));
    }
    // The removal goes through the files in the list's order.
    std::vector<std::string> inOrder = files;
    std::sort(inOrder.begin(), inOrder.end(), [](const std::string& a, const std::string& b) {
      return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    const std::vector<std::string> pointsBefore = namesIn(backup, "*.bck");

    std::mt19937 random(seed);
    const unsigned moment = random() % 3, share = random() % 1000;
    RunningProgram program(exe, "/auto /scans:junk /drives:D /out:" + outputs / "out.txt");
    ASSERT_TRUE(program.started());
    if (moment == 0) {  // while the point is written
      waitFor(program, [&] { return !namesIn(backup, "*.part").empty(); });
      Sleep(share / 40);
    } else if (moment == 1) {  // while the files are deleted
      const std::string& last = inOrder[share * inOrder.size() / 1000];
      waitFor(program, [&] { return !fileExists(last); });
    } else {  // at a time after the start
      Sleep(share * 3);
    }
    const bool killed = program.kill();
    program.waitForExit(10000);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", moment " + std::to_string(moment) + ", " +
                 std::to_string(share) + (killed ? ", killed" : ", ended by itself"));

    std::vector<std::string> points;
    for (const auto& name : namesIn(backup, "*.bck"))
      if (std::find(pointsBefore.begin(), pointsBefore.end(), name) == pointsBefore.end())
        points.push_back(backup + name);
    for (const auto& point : points) {
      TBackupFile reader;
      std::vector<std::string> list;
      std::string title;
      EXPECT_TRUE(reader.ReadArchiveInfo(point, &list, title)) << point;
    }
    std::vector<size_t> missing;
    for (size_t i = 0; i < files.size(); ++i) {
      if (!fileExists(files[i])) {
        missing.push_back(i);
        continue;
      }
      EXPECT_EQ(readFile(files[i]), contents[i]) << files[i] << " changed in place";
    }
    std::printf("seed %u: moment %u/%u, %s, %zu of %d files gone, %zu new point(s)\n", seed, moment,
                share, killed ? "killed" : "ended by itself", missing.size(), count, points.size());
    if (!missing.empty()) {
      ASSERT_EQ(points.size(), 1u) << missing.size() << " files are gone";
      MyBackup restore;
      for (size_t i : missing) restore.AddRestoreFile(files[i]);
      EXPECT_TRUE(restore.RestorePoint(points[0]));
      size_t wrong = 0;
      for (size_t i : missing) wrong += readFile(files[i]) != contents[i];
      EXPECT_EQ(wrong, 0u) << "of " << missing.size() << " files restored from the point";
    }

    // The next start clears what a killed run left of its point.
    Finished check = runToEnd(installProgram() + "Checker.exe", "/check", outputs.path());
    EXPECT_EQ(namesIn(backup, "*.part"), std::vector<std::string>{});
    for (const auto& point : points) DeleteFileA(point.c_str());
  }
}
