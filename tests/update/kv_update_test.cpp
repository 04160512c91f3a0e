// The update engine over Wine's real wininet against a scripted loopback server: what it fetches,
// the script it writes, and the defined result of each failure.
#include "update/kv_update.h"

#include "support/fake_seams.h"
#include "update/update_handover.h"
#include "update_fixture.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {
using UpdateEngine = UpdateFixture;

std::string script(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}
}  // namespace

TEST_F(UpdateEngine, FetchesOnlyNewerFilesAndWritesTheExactScript) {
  localDescription("same.txt=4\r\nScrubwell.exe=875\r\nhelp.doc=2\r\n");
  publish({"same.txt", "Scrubwell.exe", "Scrubwell.t01", "help.doc"},
          "[versions]\r\nsame.txt=4\r\nScrubwell.exe=876\r\nScrubwell.t01=0\r\nhelp.doc=1\r\n"
          "[types]\r\nScrubwell.exe=main\r\nScrubwell.t01=lang\r\n");
  server.serve("/Scrubwell.exe", programBytes(9000));
  server.serve("/Scrubwell.t01", "[0]\r\nDeutsch\r\n");
  KvUpdate engine(setup());
  EXPECT_EQ(engine.run(), UpdateStatus::Prepared);
  // Equal (same.txt) and older (help.doc) versions are not fetched; a name missing locally is.
  EXPECT_EQ(fetched(),
            (std::vector<std::string>{"/update.ini", "/Scrubwell.exe", "/Scrubwell.t01"}));
  EXPECT_EQ(engine.updatedNames(), (std::vector<std::string>{"Scrubwell.exe", "Scrubwell.t01"}));
  EXPECT_EQ(engine.categories(), (std::vector<std::string>{"main", "lang"}));
  const std::string program = programFolder + "Scrubwell.exe";
  EXPECT_EQ(readFile(data + "updatescript.dat"),
            script({program, temp + "update.ini", data + "update.ini", temp + "Scrubwell.exe",
                    program, temp + "Scrubwell.t01", data + "Scrubwell.t01"}));
  EXPECT_EQ(readFile(temp + "Scrubwell.exe"), programBytes(9000));
  EXPECT_EQ(readFile(program), programBytes()) << "the running program is never written";
}

TEST_F(UpdateEngine, NothingNewerEndsUpToDateWithoutScript) {
  localDescription("a.txt=3\r\n");
  publish({"a.txt"}, "[versions]\r\na.txt=3\r\n");
  ASSERT_TRUE(writeFile(data + "updatescript.dat", "stale"));
  KvUpdate engine(setup());
  EXPECT_EQ(engine.run(), UpdateStatus::NoUpdate);
  EXPECT_EQ(fetched(), (std::vector<std::string>{"/update.ini"}));
  EXPECT_FALSE(fileExists(data + "updatescript.dat"));
}

TEST_F(UpdateEngine, UnsafeNamesAreNeitherFetchedNorDeleted) {
  localDescription("");
  ASSERT_TRUE(writeFile(data + "old.txt", "old"));
  publish({"..\\sentinel.txt", "C:\\boot.ini", "nul", "ok.txt"},
          "[versions]\r\nok.txt=1\r\n..\\sentinel.txt=9\r\n"
          "[remove]\r\nnumber=3\r\nfile1=..\\sentinel.txt\r\nfile2=" +
              sentinel + "\r\nfile3=old.txt\r\n");
  server.serve("/ok.txt", "fine");
  KvUpdate engine(setup());
  EXPECT_EQ(engine.run(), UpdateStatus::Prepared);
  EXPECT_EQ(fetched(), (std::vector<std::string>{"/update.ini", "/ok.txt"}));
  EXPECT_FALSE(fileExists(data + "old.txt")) << "a plain name of [remove] is deleted";
  EXPECT_EQ(logged.size(), 5u) << "each unsafe name is logged";
}

TEST_F(UpdateEngine, MissingDescriptionOrThresholdIsAnError) {
  localDescription("");
  KvUpdate notFound(setup());  // the server answers 404 with an HTML page
  EXPECT_EQ(notFound.run(), UpdateStatus::Error);
  EXPECT_FALSE(fileExists(temp + "update.ini"));

  publish({}, "", "");
  KvUpdate noThreshold(setup());
  EXPECT_EQ(noThreshold.run(), UpdateStatus::Error);

  ASSERT_TRUE(writeFile(data + "update.ini", "[updateinfo]\r\nupdateurl=file:///C:/x/\r\n"));
  KvUpdate notWeb(setup());
  EXPECT_EQ(notWeb.run(), UpdateStatus::Error);
  UpdateSetup noTemp = setup();
  noTemp.tempFolder.clear();
  EXPECT_EQ(KvUpdate(noTemp).run(), UpdateStatus::Error);
}

TEST_F(UpdateEngine, VersionThresholdWithEitherSeparator) {
  localDescription("");
  struct Case {
    const char* threshold;
    UpdateStatus expected;
  };
  for (const Case& c :
       {Case{"8,80", UpdateStatus::Reinstall}, Case{"8.8", UpdateStatus::Reinstall},
        Case{"8.75", UpdateStatus::NoUpdate}, Case{"8,7", UpdateStatus::NoUpdate},
        Case{"eight", UpdateStatus::NoUpdate}, Case{"error_check", UpdateStatus::NoUpdate}}) {
    publish({}, "[updateinfo]\r\nreinstallFileFullEngl=https://example.invalid/en\r\n",
            std::string("reinstallIfOlderThen=") + c.threshold + "\r\n");
    KvUpdate engine(setup());
    EXPECT_EQ(engine.run(), c.expected) << c.threshold;
  }
  publish({}, "", "reinstallIfOlderThen=9\r\nreinstallFileFullGer=https://example.invalid/de\r\n");
  UpdateSetup german = setup();
  german.german = true;
  KvUpdate engine(german);
  EXPECT_EQ(engine.run(), UpdateStatus::Reinstall);
  EXPECT_EQ(engine.reinstallAddress(), "https://example.invalid/de");
}

TEST_F(UpdateEngine, BrokenDownloadsNeverReplaceAFile) {
  localDescription("");
  ASSERT_TRUE(writeFile(data + "UPDATER.EXE", programBytes(200, 'o')));
  publish({"cut.dat", "UPDATER.EXE", "gone.txt", "good.txt"},
          "[versions]\r\ncut.dat=1\r\nUPDATER.EXE=1\r\ngone.txt=1\r\ngood.txt=1\r\n");
  HttpReply cut(200, std::string(5000, 'c'));
  cut.cutAfter = 2000;
  server.serve("/cut.dat", cut);
  // An error page with status 200 where a program belongs.
  server.serve("/UPDATER.EXE", HttpReply{200, "<html>Error</html>", {"Content-Type: text/html"}});
  server.serve("/good.txt", "good");
  KvUpdate engine(setup());
  EXPECT_EQ(engine.run(), UpdateStatus::Prepared);
  for (const char* name :
       {"cut.dat", "cut.dat.part", "UPDATER.EXE", "UPDATER.EXE.part", "gone.txt"})
    EXPECT_FALSE(fileExists(temp + name)) << name;
  EXPECT_EQ(readFile(data + "UPDATER.EXE"), programBytes(200, 'o'));
  // A listed file failed, so the new description is not installed: only good.txt is in the script.
  EXPECT_EQ(readFile(data + "updatescript.dat"),
            script({programFolder + "Scrubwell.exe", temp + "good.txt", data + "good.txt"}));
  EXPECT_EQ(engine.updatedNames(), (std::vector<std::string>{"good.txt"}));
}

TEST_F(UpdateEngine, NewUpdaterIsPutInPlaceAtOnceAndDescriptionKeepsTheLocation) {
  localDescription("");
  ASSERT_TRUE(writeFile(data + "UPDATER.EXE", programBytes(200, 'o')));
  publish({"UPDATER.EXE", "a.txt"}, "[versions]\r\nUPDATER.EXE=2\r\na.txt=1\r\n");
  server.serve("/UPDATER.EXE", programBytes(300, 'n'));
  server.serve("/a.txt", "a");
  KvUpdate engine(setup());
  EXPECT_EQ(engine.run(), UpdateStatus::Prepared);
  EXPECT_EQ(readFile(data + "UPDATER.EXE"), programBytes(300, 'n'));
  EXPECT_EQ(engine.updatedNames(), (std::vector<std::string>{"a.txt"}));
  EXPECT_EQ(readFile(data + "updatescript.dat").find("UPDATER"), std::string::npos);
  // The published description names no location: the installed copy keeps the local one.
  char url[256] = {};
  GetPrivateProfileStringA("updateinfo", "updateurl", "", url, sizeof url,
                           (temp + "update.ini").c_str());
  EXPECT_EQ(url, server.baseUrl());
}

TEST_F(UpdateEngine, NewSearchExceptionsAloneArePrepared) {
  localDescription("");
  publish({},
          "[types]\r\nupdate.ini=exceptions\r\n[Suchausnahmen]\r\nAnzahl=1\r\nMaske1=*.keep\r\n");
  UpdateSetup s = setup();
  s.newExceptions = [](const UpdateDescription& d) {
    return d.exceptionMasks.empty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{"update.ini"};
  };
  KvUpdate engine(s);
  EXPECT_EQ(engine.run(), UpdateStatus::Prepared);
  EXPECT_EQ(engine.categories(), (std::vector<std::string>{"exceptions"}));
  EXPECT_EQ(readFile(data + "updatescript.dat"),
            script({programFolder + "Scrubwell.exe", temp + "update.ini", data + "update.ini"}));
}

TEST_F(UpdateEngine, CancelAndUnwritableScriptLeaveNoScript) {
  localDescription("");
  publish({"a.txt", "b.txt"}, "[versions]\r\na.txt=1\r\nb.txt=1\r\n");
  server.serve("/a.txt", "a");
  HttpReply slow(200, "b");
  slow.delayMs = 300;
  server.serve("/b.txt", slow);
  int calls = 0;
  UpdateSetup s = setup();
  s.cancelled = [&] { return ++calls > 3; };  // during the second file
  KvUpdate cancelled(s);
  EXPECT_EQ(cancelled.run(), UpdateStatus::Error);
  EXPECT_TRUE(cancelled.wasCancelled());
  EXPECT_FALSE(fileExists(data + "updatescript.dat"));

  ASSERT_TRUE(makeFolders(data + "updatescript.dat\\"));  // the script's name is taken by a folder
  KvUpdate blocked(setup());
  EXPECT_EQ(blocked.run(), UpdateStatus::Error);
  EXPECT_TRUE(blocked.updatedNames().empty());
}

TEST_F(UpdateEngine, HandOverOnlyToAnExistingUpdater) {
  ScopedSeams seams;
  ASSERT_TRUE(writeFile(data + "updatescript.dat", "x\r\n"));
  EXPECT_EQ(handOverToUpdater(data + "updatescript.dat", data, programFolder),
            HandOver::UpdaterMissing);
  ASSERT_TRUE(writeFile(programFolder + "UPDATER.EXE", "<html>not a program</html>"));
  EXPECT_EQ(handOverToUpdater(data + "updatescript.dat", data, programFolder),
            HandOver::UpdaterMissing);
  EXPECT_TRUE(seams.launcher.launches().empty());

  ASSERT_TRUE(writeFile(programFolder + "UPDATER.EXE", programBytes()));
  EXPECT_EQ(handOverToUpdater(data + "updatescript.dat", data, programFolder), HandOver::Started);
  ASSERT_EQ(seams.launcher.launches().size(), 1u);
  EXPECT_EQ(seams.launcher.launches()[0].file, programFolder + "UPDATER.EXE");
  EXPECT_EQ(seams.launcher.launches()[0].parameters, "\"" + data + "updatescript.dat\"");
  DeleteFileA((data + "updatescript.dat").c_str());
  EXPECT_EQ(handOverToUpdater(data + "updatescript.dat", data, programFolder), HandOver::NoScript);
}

TEST_F(UpdateEngine, AboutVersionCarriesTheInstalledSubversionSafely) {
  EXPECT_EQ(versionWithSubversion("8.75", data), "8.75");  // no description yet
  ASSERT_TRUE(writeFile(data + "update.ini", "[updateinfo]\r\nsubverion=b\r\n"));
  EXPECT_EQ(versionWithSubversion("8.75", data), "8.75b");
  ASSERT_TRUE(writeFile(data + "update.ini",
                        "[updateinfo]\r\nsubverion=c\x01\x1b" + std::string(100, 'x') + "\r\n"));
  EXPECT_EQ(versionWithSubversion("8.75", data), "8.75c" + std::string(31, 'x'));
}
