// Saving and loading the settings file through the windows' control objects.
#include "app/settings.h"

#include <gtest/gtest.h>

#include "base/app_state.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "settings_controls.h"
#include "support/app_sandbox.h"
#include "support/fake_seams.h"

using namespace scrubwell;
using test::AppSandbox;
using test::Controls;
using test::kExceptions;
using test::kMasks;

namespace {

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.ok());
    translation().loadFromText("[1]\r\nScrubwell\r\n[304]\r\nnie\r\n[END]\r\n");
    appState().restartPending = false;
  }
  void TearDown() override { translation().clear(); }
  std::string ini() const { return box.data() + "Scrubwell.ini"; }
  void writeIni(const std::string& text) { ASSERT_TRUE(test::writeFile(ini(), text)); }
  void load(Controls& c) {
    SettingsControls s = c.wire();
    loadSettings(s);
  }

  AppSandbox box;
  test::ScopedSeams seams;
};

}  // namespace

TEST_F(Settings, RoundTripThroughTheFile) {
  Controls a;
  a.backgrounds.setSelectedIndex(2);
  a.icons.setSelectedIndex(6);
  a.slotChecks[0].setChecked(false);
  a.slotChecks[2].setChecked(true);
  a.driveList.setVisible(true);
  a.driveList.setChecked(1, true);
  a.results.setSize(900, 600);
  a.backup.setChecked(false);
  a.box1.setChecked(true);
  a.box5.setChecked(false);
  a.masks.setItems({"*.old", "~*.tmp"});
  a.exceptions.setItems({"keep.me"});
  a.ownFolders.setItems({"D:\\scratch\\", "E:\\tmp\\"});
  for (int i = 0; i < 14; ++i) a.chooser[i].setChecked(i % 3 == 0);
  a.autoUpdate.setChecked(false);
  a.lastUpdate.setText(todayAsShortDate());
  a.lastScan.setText("01.01.2026");
  SettingsControls wired = a.wire();
  saveSettings(wired);

  Controls b;
  load(b);
  EXPECT_EQ(b.backgrounds.selectedIndex(), 2);
  EXPECT_EQ(b.icons.selectedIndex(), 6);
  EXPECT_EQ(b.looks, (std::vector<std::pair<int, int>>{{2, 6}}));
  EXPECT_FALSE(b.slotChecks[0].checked());
  EXPECT_TRUE(b.slotChecks[2].checked());
  EXPECT_FALSE(b.driveList.checked(0));
  EXPECT_TRUE(b.driveList.checked(1));
  EXPECT_EQ(b.results.width(), 900);
  EXPECT_EQ(b.results.height(), 600);
  EXPECT_FALSE(b.backup.checked());
  EXPECT_FALSE(b.backupTwin.checked());
  EXPECT_TRUE(b.box1.checked());
  EXPECT_FALSE(b.box3.checked());
  EXPECT_FALSE(b.box5.checked());
  EXPECT_EQ(b.masks.items(), (std::vector<std::string>{"*.old", "~*.tmp"}));
  EXPECT_EQ(b.exceptions.items(), (std::vector<std::string>{"keep.me"}));
  // The own folders come back without their trailing "\".
  EXPECT_EQ(b.ownFolders.items(), (std::vector<std::string>{"D:\\scratch", "E:\\tmp"}));
  for (int i = 0; i < 14; ++i) EXPECT_EQ(b.chooser[i].checked(), i % 3 == 0) << i;
  EXPECT_FALSE(b.autoUpdate.checked());
  EXPECT_EQ(b.lastUpdate.text(), todayAsShortDate());
  EXPECT_EQ(b.lastScan.text(), "01.01.2026");
  EXPECT_EQ(b.mirrors, 1);
}

TEST_F(Settings, WritesSectionsInTheirOrderAndDrivesAsLetters) {
  Controls a;
  a.slotChecks[1].setChecked(true);
  a.driveList.setChecked(0, true);  // hidden list: not written
  SettingsControls wired = a.wire();
  saveSettings(wired);
  std::string text = test::readFile(ini());
  size_t at = 0;
  for (const char* s : {"[skin]", "[Markierte Laufwerke]", "[Position]", "[Sicherheit]",
                        "[Markiert]", "[Dateimasken]", "[Suchausnahmen]", "[TempFolders]",
                        "[MultiOption]", "[Updatescan]", "[Scan]"}) {
    size_t found = text.find(s);
    ASSERT_NE(found, std::string::npos) << s;
    EXPECT_GT(found + 1, at) << s;
    at = found;
  }
  EXPECT_NE(text.find("Lw1=C\r\nLw2=D\r\nAnzahl=2"), std::string::npos) << text;
  EXPECT_NE(text.find("Height=400\r\nWidth=700"), std::string::npos);
  EXPECT_EQ(text.find("[Language]"), std::string::npos);
}

TEST_F(Settings, NothingIsSavedWhileARestartIsPending) {
  Controls a;
  appState().restartPending = true;
  SettingsControls wired = a.wire();
  saveSettings(wired);
  EXPECT_FALSE(test::fileExists(ini()));
  writeIni("[Language]\r\nselected=1\r\n");
  saveSettings(wired);
  EXPECT_EQ(test::readFile(ini()), "[Language]\r\nselected=1\r\n");
  appState().restartPending = false;
}

TEST_F(Settings, AMissingFileKeepsTheWindowsDefaults) {
  Controls c;
  c.lastScan.setText("never");
  for (auto& box : c.chooser) box.setChecked(false);
  load(c);
  EXPECT_FALSE(test::fileExists(ini()));  // loading never creates it
  EXPECT_TRUE(c.slotChecks[0].checked());
  EXPECT_EQ(c.masks.items(), kMasks);
  EXPECT_EQ(c.exceptions.items(), kExceptions);
  EXPECT_EQ(c.results.width(), 700);
  EXPECT_TRUE(c.looks.empty());
  for (auto& box : c.chooser) EXPECT_TRUE(box.checked());
  EXPECT_TRUE(c.autoUpdate.checked());
  EXPECT_EQ(c.lastScan.text(), "nie");
  EXPECT_EQ(c.lastUpdate.text(), "nie");
  EXPECT_EQ(c.mirrors, 1);

  writeLanguageNumber(1);  // not written without a file
  EXPECT_FALSE(test::fileExists(ini()));
  EXPECT_EQ(readLanguageNumber(), 0);
}

TEST_F(Settings, CountKeysBlanksAndZeroCounts) {
  writeIni(
      "[Dateimasken]\r\nAnzahl=0\r\nMaske1=*.zzz\r\n"
      "[Suchausnahmen]\r\nAnzahl=0\r\nMaske1=ignored\r\n"
      "[TempFolders]\r\nAnzahl=4\r\nTempFolder1=D:\\a\\\r\nTempFolder2= \r\nTempFolder3=\r\n"
      "TempFolder4=D:\\b\\\r\nTempFolder5=D:\\beyond the count\\\r\n"
      "[Markierte Laufwerke]\r\nAnzahl=3\r\nLw1=X\r\nLw2=G\r\nLw3=E\r\n");
  Controls c;
  load(c);
  EXPECT_EQ(c.masks.items(), kMasks);  // Anzahl 0 keeps the built-in masks
  EXPECT_TRUE(c.exceptions.items().empty());
  EXPECT_EQ(c.ownFolders.items(), (std::vector<std::string>{"D:\\a", "D:\\b"}));
  EXPECT_FALSE(c.slotChecks[0].checked());  // all slots unchecked first
  EXPECT_TRUE(c.slotChecks[2].checked());
  EXPECT_TRUE(c.driveList.checked(1));
  EXPECT_FALSE(c.driveList.checked(0));

  writeIni("[Dateimasken]\r\nAnzahl=3\r\nmaske1 = \"*.a\"\r\nMaske2= \r\nMaske3=*.*\r\n");
  load(c);
  EXPECT_EQ(c.masks.items(), (std::vector<std::string>{"*.a"}));  // blank and "*.*" gone
}

TEST_F(Settings, LookIndexesAreClamped) {
  writeIni("[skin]\r\nback=99\r\nicon=-4\r\n");
  Controls c;
  load(c);
  EXPECT_EQ(c.backgrounds.selectedIndex(), 3);
  EXPECT_EQ(c.icons.selectedIndex(), 0);
  EXPECT_EQ(readLook(4, 7).background, 3);
  EXPECT_EQ(readLook(4, 7).searchIcon, 0);
}

TEST_F(Settings, DatesFallBackToTheNeverText) {
  Controls c;
  writeIni("[Scan]\r\nlastScan=-\r\n[Updatescan]\r\nlastUpdate=never\r\n");
  load(c);
  EXPECT_EQ(c.lastScan.text(), "nie");
  EXPECT_EQ(c.lastUpdate.text(), "nie");

  // An unreadable update date becomes "never"; so does an equal scan date with it.
  writeIni("[Scan]\r\nlastScan=someday\r\n[Updatescan]\r\nlastUpdate=someday\r\n");
  load(c);
  EXPECT_EQ(c.lastScan.text(), "nie");
  EXPECT_EQ(c.lastUpdate.text(), "nie");

  writeIni("[Scan]\r\nlastScan=someday\r\n[Updatescan]\r\nlastUpdate=" + todayAsShortDate() +
           "\r\n");
  load(c);
  EXPECT_EQ(c.lastScan.text(), "someday");
  EXPECT_EQ(c.lastUpdate.text(), todayAsShortDate());
}

TEST_F(Settings, DaysSinceTheLastUpdateCheck) {
  seams.clock.setLocal(2026, 3, 1, 9);
  const std::string march1 = todayAsShortDate();
  EXPECT_EQ(daysSinceLastUpdateCheck(march1), 0);
  seams.clock.setLocal(2026, 3, 15, 9);
  EXPECT_EQ(daysSinceLastUpdateCheck(march1), 14);
  seams.clock.setLocal(2026, 3, 15, 13);
  EXPECT_EQ(daysSinceLastUpdateCheck(march1), 15);  // 14.54 days round up
  for (const char* unknown : {"-", "never", "nie", "", "31/31/31"})
    EXPECT_EQ(daysSinceLastUpdateCheck(unknown), 100) << unknown;
}

TEST_F(Settings, DownloadedExceptionsAreShownButNeverSaved) {
  ASSERT_TRUE(test::writeFile(box.data() + "update.ini",
                              "[Suchausnahmen]\r\nAnzahl=3\r\nMaske1=Vendor.dat\r\nMaske2= \r\n"
                              "Maske3=*.???\r\n"));
  writeIni("[Suchausnahmen]\r\nAnzahl=2\r\nMaske1=Mine.txt\r\nMaske2=vendor.DAT\r\n");
  Controls c;
  load(c);
  EXPECT_EQ(c.exceptions.items(), (std::vector<std::string>{"Mine.txt", "vendor.DAT"}));
  EXPECT_EQ(downloadedExceptions(), (std::vector<std::string>{"Vendor.dat", "*.???"}));
  SettingsControls wired = c.wire();
  saveSettings(wired);
  std::string text = test::readFile(ini());
  EXPECT_NE(text.find("[Suchausnahmen]\r\nAnzahl=1\r\nMaske1=Mine.txt\r\nMaske2=vendor.DAT"),
            std::string::npos)
      << text;  // older keys stay; the count stops readers at the user's own entries
  Controls d;
  load(d);
  EXPECT_EQ(d.exceptions.items(), (std::vector<std::string>{"Mine.txt", "Vendor.dat"}));
}

TEST_F(Settings, LoadingAgainWithoutASettingsFileAddsTheDownloadedExceptionsOnce) {
  ASSERT_TRUE(test::writeFile(box.data() + "update.ini",
                              "[Suchausnahmen]\r\nAnzahl=2\r\nMaske1=Vendor.dat\r\nMaske2=C:\\Data\r\n"));
  Controls c;
  for (int press = 0; press < 3; ++press) load(c);
  std::vector<std::string> expected = kExceptions;
  expected.insert(expected.end(), {"Vendor.dat", "C:\\Data"});
  EXPECT_EQ(c.exceptions.items(), expected);
}

TEST_F(Settings, MasksThatSelectEveryFileOrNameAPathAreDroppedAtLoad) {
  writeIni("[Dateimasken]\r\nAnzahl=4\r\nMaske1=*\r\nMaske2=*.old\r\nMaske3=D:\\x\\*.tmp\r\n"
           "Maske4= *.* \r\n[Suchausnahmen]\r\nAnzahl=1\r\nMaske1=C:\\Data\r\n");
  Controls c;
  load(c);
  EXPECT_EQ(c.masks.items(), (std::vector<std::string>{"*.old"}));
  EXPECT_EQ(c.exceptions.items(), (std::vector<std::string>{"C:\\Data"}));
}

TEST_F(Settings, GarbageNumbersAndHugeCountsEndDefined) {
  std::string text =
      "[Position]\r\nHeight=abc\r\nWidth=99999999999999\r\n"
      "[Markiert]\r\nBox1=yes\r\nBox3=5\r\nBox4=0\r\n"
      "[Dateimasken]\r\nAnzahl=2147483647\r\nMaske1=*.a\r\nMaske2=*.b\r\n"
      "[Suchausnahmen]\r\nAnzahl=-7\r\nMaske1=x\r\n"
      "[Markierte Laufwerke]\r\nAnzahl=garbage\r\nLw1=C\r\n"
      "[TempFolders]\r\nAnzahl=1000000000\r\n";
  for (int n = 1; n <= kMaxStoredListEntries + 5; ++n)
    text += "TempFolder" + std::to_string(n) + "=D:\\f" + std::to_string(n) + "\r\n";
  writeIni(text);
  Controls c;
  load(c);
  EXPECT_EQ(c.results.height(), 494);
  EXPECT_EQ(c.results.width(), 760);
  EXPECT_FALSE(c.box1.checked());
  EXPECT_TRUE(c.box3.checked());
  EXPECT_FALSE(c.box4.checked());
  EXPECT_EQ(c.masks.items(), (std::vector<std::string>{"*.a", "*.b"}));
  EXPECT_TRUE(c.exceptions.items().empty());
  EXPECT_FALSE(c.slotChecks[0].checked());
  EXPECT_EQ(c.ownFolders.count(), kMaxStoredListEntries);  // the count is capped
}
