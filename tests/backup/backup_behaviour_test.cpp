// What a backup takes and how it runs: file specifications with wildcards and "/s", the
// incremental mode and the archive attribute, progress, cancelling, files that vanish or are
// locked, streams instead of files, and how errors are reported.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/archive_reader.h"
#include "backup_fixture.h"
#include "backup_test_data.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

size_t indexOf(const std::vector<std::string>& list, const std::string& item) {
  return static_cast<size_t>(std::find(list.begin(), list.end(), item) - list.begin());
}

}  // namespace

TEST_F(BackupFileTest, SpecificationsExpandWithSubfoldersFirst) {
  for (const char* f : {"a.txt", "b.log", "Sub\\C.TXT", "sub\\deeper\\d.txt", "hid\\e.txt",
                        "other\\f.txt", "other\\g.log"})
    ASSERT_TRUE(writeFile(src / f, "x"));
  SetFileAttributesA((src / "hid").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(writeFile(src / "x.bck", "old archive"));

  auto files = collectSourceFiles({"  " + src / "*.txt  /S", src / "A.TXT", src / "other\\*"},
                                  src / "X.BCK", bmAll);
  std::vector<std::string> sorted = files;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<std::string>{stored("a.txt"), stored("other\\f.txt"),
                                              stored("other\\g.log"), stored("sub\\c.txt"),
                                              stored("sub\\deeper\\d.txt")}))
      << "no .log from /s, nothing from the hidden folder, a.txt once";
  EXPECT_LT(indexOf(files, stored("sub\\deeper\\d.txt")), indexOf(files, stored("sub\\c.txt")));
  EXPECT_LT(indexOf(files, stored("sub\\c.txt")), indexOf(files, stored("a.txt")));
  EXPECT_EQ(files.back(), stored("other\\g.log")) << "specifications are taken in order";

  EXPECT_EQ(collectSourceFiles({src / "*"}, src / "x.bck", bmAll).size(), 2u)
      << "the archive itself is never collected";
}

TEST_F(BackupFileTest, ManyPlainNamesInOneFolderAreFoundAsOneSearchEachFindsThem) {
  std::vector<std::string> specs;
  for (int i = 0; i < 12; ++i) {
    std::string name = "file" + std::to_string(i) + ".tmp";
    ASSERT_TRUE(writeFile(src / name, "x"));
    specs.push_back(src / name);
  }
  ASSERT_TRUE(writeFile(src / "a long file name.text", "l"));
  ASSERT_TRUE(writeFile(src / "Hidden.TMP", "h"));
  SetFileAttributesA((src / "Hidden.TMP").c_str(), FILE_ATTRIBUTE_HIDDEN);
  char shortName[MAX_PATH] = {};
  GetShortPathNameA((src / "a long file name.text").c_str(), shortName, MAX_PATH);
  specs.push_back(shortName);            // found by its short name, stored by its long one
  specs.push_back(src / "HIDDEN.tmp");   // any case
  specs.push_back(src / "missing.tmp");  // nothing
  specs.push_back(src / "file3.tmp");    // once only
  specs.push_back(src / "sub");          // a folder is not a file
  ASSERT_TRUE(makeFolders(src / "sub"));

  std::vector<std::string> oneByOne;
  for (const auto& spec : specs)
    for (const auto& file : collectSourceFiles({spec}, "", bmAll))
      if (indexOf(oneByOne, file) == oneByOne.size()) oneByOne.push_back(file);
  EXPECT_EQ(collectSourceFiles(specs, "", bmAll), oneByOne);
  EXPECT_EQ(oneByOne.size(), 14u);
  EXPECT_EQ(std::count_if(oneByOne.begin(), oneByOne.end(),
                          [](const std::string& f) {
                            return f.size() > 22 &&
                                   f.substr(f.size() - 22) == "\\a long file name.text";
                          }),
            1);
}

TEST_F(BackupFileTest, IncrementalBackupTakesAndClearsTheArchiveAttribute) {
  archive.SetBackupMode(bmAll);
  EXPECT_FALSE(archive.SetArchiveFlag) << "bmAll is the value it already has";
  archive.SetBackupMode(bmIncremental);
  EXPECT_TRUE(archive.SetArchiveFlag);
  archive.SetArchiveFlag = false;
  archive.SetBackupMode(bmIncremental);
  EXPECT_FALSE(archive.SetArchiveFlag) << "setting the same value does nothing";
  archive.SetBackupMode(bmAll);
  archive.SetBackupMode(bmIncremental);
  ASSERT_TRUE(archive.SetArchiveFlag);

  ASSERT_TRUE(writeFile(src / "changed.txt", "c"));
  ASSERT_TRUE(writeFile(src / "hidden.txt", "h"));
  SetFileAttributesA((src / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  ASSERT_TRUE(archive.Backup({src / "*.txt"}, out / "inc.bck"));
  EXPECT_EQ(archive.FileCount, 2);
  EXPECT_TRUE(GetFileAttributesA((src / "hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN)
      << "only the archive attribute is cleared";
  // Wine reports the archive attribute on every file, so only Windows sees it cleared here.
  bool cleared = !(GetFileAttributesA((src / "changed.txt").c_str()) & FILE_ATTRIBUTE_ARCHIVE);
  ASSERT_TRUE(archive.Backup({src / "*.txt"}, out / "inc2.bck"));
  EXPECT_EQ(archive.FileCount, cleared ? 0 : 2);
  EXPECT_EQ(archive.Version(), "5.00");
}

TEST_F(BackupFileTest, ProgressRunsFromZeroToHundredAndCancelStopsWithoutReport) {
  ASSERT_TRUE(writeFile(src / "a.txt", asString(textBytes(100000, 1))));
  ASSERT_TRUE(writeFile(src / "b.txt", asString(textBytes(100000, 2))));
  ASSERT_TRUE(writeFile(src / "c.txt", asString(textBytes(100000, 3))));
  std::vector<std::pair<std::string, int>> seen;
  archive.OnProgress = [&](TBackupFile&, const std::string& file, TPercentage percent, bool&) {
    seen.emplace_back(file, percent);
  };
  ASSERT_TRUE(archive.Backup({src / "*.txt"}, out / "p.bck"));
  ASSERT_GE(seen.size(), 2 + 3 * 7u) << "one report per block";
  EXPECT_EQ(seen.front(), std::make_pair(std::string(), 0));
  EXPECT_EQ(seen.back(), std::make_pair(std::string(), 100));
  for (size_t i = 1; i + 1 < seen.size(); ++i) {
    EXPECT_GE(seen[i].second, seen[i - 1].second);
    EXPECT_EQ(seen[i].first.substr(0, src.path().size()), stored(""));
  }
  EXPECT_EQ(seen[seen.size() - 2].second, 100);

  // Stop in the middle of the second file: the archive keeps the first file only.
  archive.OnProgress = [&](TBackupFile& sender, const std::string&, TPercentage, bool& go) {
    if (sender.FilesDone == 1 && sender.BytesDone > 120000) go = false;
  };
  EXPECT_FALSE(archive.Backup({src / "*.txt"}, out / "stopped.bck"));
  EXPECT_EQ(archive.LastError, 0);
  EXPECT_TRUE(errors.empty()) << "a cancel is no error";
  archive.OnProgress = nullptr;
  EXPECT_FALSE(archive.Restore(out / "stopped.bck", out / "back"));
  EXPECT_EQ(archive.FilesDone, 1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], std::make_pair(1, std::string("Cannot read file")));
}

TEST_F(BackupFileTest, VanishedFilesAreSkippedAndLockedFilesEndTheBackup) {
  ASSERT_TRUE(writeFile(src / "gone.txt", "g"));
  ASSERT_TRUE(writeFile(src / "kept.txt", "k"));
  archive.OnProgress = [&](TBackupFile&, const std::string& file, TPercentage, bool&) {
    if (file.empty()) DeleteFileA((src / "gone.txt").c_str());  // right after collecting
  };
  ASSERT_TRUE(archive.Backup({src / "*.txt"}, out / "v.bck"));
  EXPECT_EQ(archive.FilesDone, 1);
  EXPECT_EQ(archive.TotalBytes, 1);
  archive.OnProgress = nullptr;

  HANDLE locked =
      CreateFileA((src / "kept.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(archive.Backup({src / "*.txt"}, out / "l.bck"));
  CloseHandle(locked);
  EXPECT_EQ(archive.LastError, 1);
  EXPECT_FALSE(archive.Busy);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].first, 1);
}

TEST_F(BackupFileTest, UnreadableFilesCanBeLeftOutAndTheListNamesOnlyWhatWasStored) {
  ASSERT_TRUE(writeFile(src / "a.txt", "aaaa"));
  ASSERT_TRUE(writeFile(src / "b.txt", "bb"));
  ASSERT_TRUE(writeFile(src / "c.txt", "c"));
  HANDLE locked =
      CreateFileA((src / "b.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  archive.SaveFileID = true;
  archive.LeaveOutUnreadable = true;
  EXPECT_TRUE(archive.Backup({src / "*.txt"}, out / "l.bck"));
  CloseHandle(locked);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(archive.LeftOut, std::vector<std::string>{stored("b.txt")});
  EXPECT_EQ(archive.FilesDone, 2);

  TBackupFile reader;
  std::vector<std::string> list;
  std::string title;
  ASSERT_TRUE(reader.ReadArchiveInfo(out / "l.bck", &list, title));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].substr(0, list[0].find('\t')), stored("a.txt"));
  EXPECT_EQ(list[1].substr(0, list[1].find('\t')), stored("c.txt"));
  EXPECT_EQ(reader.FileCount, 2);
  EXPECT_EQ(reader.TotalBytes, 5 + static_cast<int64_t>(list[0].size() + list[1].size() + 4));
  DeleteFileA((src / "a.txt").c_str());
  ASSERT_TRUE(reader.Restore(out / "l.bck", ""));
  EXPECT_EQ(readFile(src / "a.txt"), "aaaa");
  EXPECT_EQ(reader.FilesDone, 2);
}

TEST_F(BackupFileTest, StreamsReplaceTheArchiveFile) {
  ASSERT_TRUE(writeFile(src / "s.txt", "streamed"));
  MemoryStream stream;
  archive.OutStream = &stream;
  archive.BackupTitle = "in memory";
  archive.MaxSize = 20000;  // spanning is for files only
  ASSERT_TRUE(archive.Backup({src / "s.txt"}, ":STREAM"));
  ASSERT_GT(stream.size(), 0);

  stream.seek(0);
  archive.InStream = &stream;
  std::string title;
  ASSERT_TRUE(archive.ReadArchiveInfo(":STREAM", nullptr, title));
  EXPECT_EQ(title, "in memory");
  stream.seek(0);
  std::string restoredName;
  archive.OnFileRestored = [&](TBackupFile&, std::string& name, ArchiveStream& target) {
    restoredName = name;
    EXPECT_TRUE(target.write("+", 1)) << "the target is still open";
  };
  ASSERT_TRUE(archive.Restore(":STREAM", out.path()));
  EXPECT_EQ(restoredName, out / "s.txt");
  EXPECT_EQ(readFile(out / "s.txt"), "streamed+");

  archive.OutStream = nullptr;
  EXPECT_FALSE(archive.Backup({src / "s.txt"}, ":STREAM"));
  EXPECT_EQ(archive.LastError, 4);
}

TEST_F(BackupFileTest, ErrorsGoToTheMessageBoxWithoutAHandler) {
  archive.OnError = nullptr;
  ASSERT_TRUE(writeFile(src / "a.txt", "a"));
  EXPECT_FALSE(archive.Backup({src / "a.txt"}, out / "no such folder\\x.bck"));
  EXPECT_EQ(archive.LastError, 4);
  ASSERT_EQ(seams.prompts.countOf("message"), 1);
  EXPECT_EQ(seams.prompts.asked()[0].text, "Cannot write to archive");
  EXPECT_EQ(seams.prompts.asked()[0].flags, UINT(MB_OK | MB_ICONERROR));

  // A missing archive is no error at all.
  std::string title = "x";
  EXPECT_FALSE(archive.Restore(out / "missing.bck", ""));
  EXPECT_FALSE(archive.ReadArchiveInfo(out / "missing.bck", nullptr, title));
  EXPECT_EQ(title, "");
  EXPECT_EQ(seams.prompts.countOf("message"), 1);
}
