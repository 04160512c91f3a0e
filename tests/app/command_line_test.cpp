// The automation switches: the accepted forms, the drive and scan lists, and the bad command
// lines that must stop the run before it does anything.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace scrubwell {
namespace {

AutomationRequest parse(std::vector<std::string> arguments) {
  return parseAutomationArguments(arguments);
}

TEST(CommandLine, ActionsAcceptEitherPrefixAndAnyCase) {
  EXPECT_EQ(parse({"/preview"}).action, AutomationAction::preview);
  EXPECT_EQ(parse({"-PREVIEW"}).action, AutomationAction::preview);
  EXPECT_EQ(parse({"/Auto"}).action, AutomationAction::autoClean);
  EXPECT_EQ(parse({"-auto"}).action, AutomationAction::autoClean);
  EXPECT_EQ(parse({"/?"}).action, AutomationAction::usage);
  EXPECT_EQ(parse({"-?"}).action, AutomationAction::usage);
  for (const char* a :
       {"/preview", "/auto", "/?", "-Drives:C", "/SCANS:junk", "/out:x", "/report:y"})
    EXPECT_TRUE(isAutomationSwitch(a)) << a;
  for (const char* a :
       {"update", "/update", "uninstall", "/uninstall", "", "/", "preview", "/previewx"})
    EXPECT_FALSE(isAutomationSwitch(a)) << a;
}

TEST(CommandLine, OptionsComeInAnyOrder) {
  AutomationRequest r =
      parse({"/out:C:\\logs\\run.txt", "/auto", "/Report:C:\\r.txt", "/drives:c,D", "/scans:JUNK"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.action, AutomationAction::autoClean);
  EXPECT_EQ(r.outFile, "C:\\logs\\run.txt");  // the value keeps its case and its colons
  EXPECT_EQ(r.reportFile, "C:\\r.txt");
  EXPECT_EQ(r.drives, (std::vector<char>{'C', 'D'}));
  EXPECT_EQ(r.scans, std::vector<CleanupId>{CleanupId::junkSearch});
}

TEST(CommandLine, DefaultsAreTheJunkScanOnTheSavedDrives) {
  AutomationRequest r = parse({"/preview"});
  EXPECT_EQ(r.scans, std::vector<CleanupId>{CleanupId::junkSearch});
  EXPECT_TRUE(r.drives.empty());
  EXPECT_TRUE(r.outFile.empty());
}

TEST(CommandLine, DriveListTakesLettersAndRootsOnce) {
  EXPECT_EQ(parse({"/preview", "/drives:C:,d:\\, e ,c"}).drives,
            (std::vector<char>{'C', 'D', 'E'}));
  EXPECT_EQ(parse({"/preview", "/scans:junk,Junk"}).scans,
            std::vector<CleanupId>{CleanupId::junkSearch});
  EXPECT_EQ(parse({"/auto", "/scans:Registry,junk"}).scans,
            (std::vector<CleanupId>{CleanupId::registry, CleanupId::junkSearch}));
  // "multi" is the multi-clean's file scans, not a clean-up of its own.
  const AutomationRequest multi = parse({"/preview", "/scans:zero,Multi,multi"});
  EXPECT_EQ(multi.error, "");
  EXPECT_TRUE(multi.multi);
  EXPECT_EQ(multi.scans, std::vector<CleanupId>{CleanupId::zeroByteFiles});
  EXPECT_TRUE(parse({"/auto", "/scans:multi"}).scans.empty());
  EXPECT_FALSE(parse({"/auto"}).multi);
}

TEST(CommandLine, BadCommandLinesSayWhy) {
  struct Case {
    std::vector<std::string> arguments;
    const char* mentions;
  };
  const Case cases[] = {
      {{"/preview", "/fast"}, "/fast"},
      {{"/preview", "/scans:"}, "scans"},
      {{"/preview", "/scans:junk,"}, "scans"},
      {{"/preview", "/scans:uninstall"}, "uninstall"},  // a clean-up that cannot run unattended yet
      {{"/preview", "/drives:"}, "drives"},
      {{"/preview", "/drives:CD"}, "CD"},
      {{"/preview", "/drives:1"}, "1"},
      {{"/preview", "/out:"}, "out"},
      {{"/preview", "/preview"}, "more than once"},
      {{"/preview", "/drives:C", "-DRIVES:D"}, "more than once"},
      {{"/preview", "/auto"}, "only one"},
      {{"/auto:yes"}, "no value"},
      {{"/drives:C"}, "/preview"},  // options without an action
      {{"/preview", "/report:r.txt"}, "/auto"},
      {{"/preview", "extra"}, "extra"},
      {{"/auto", "/csv"}, "/preview only"},
      {{"/preview", "/csv:yes"}, "no value"},
      {{"/preview", "/csv", "/scans:junk,registry"}, "registry"},
  };
  for (const Case& c : cases) {
    AutomationRequest r = parse(c.arguments);
    std::string line;
    for (const auto& a : c.arguments) line += a + " ";
    EXPECT_NE(r.error.find(c.mentions), std::string::npos) << line << "-> " << r.error;
  }
}

TEST(CommandLine, BrowserBoxesAreOffUnlessSwitchedOnAndGoOnlyWithTheBrowserScan) {
  const AutomationRequest plain = parse({"/preview", "/scans:browser"});
  ASSERT_TRUE(plain.error.empty()) << plain.error;
  EXPECT_EQ(plain.scans, std::vector<CleanupId>{CleanupId::browserCache});
  EXPECT_FALSE(plain.cookies);
  EXPECT_FALSE(plain.history);
  const AutomationRequest both = parse({"/auto", "-History", "/scans:junk,browser", "/COOKIES"});
  ASSERT_TRUE(both.error.empty()) << both.error;
  EXPECT_TRUE(both.cookies);
  EXPECT_TRUE(both.history);
  EXPECT_NE(parse({"/auto", "/cookies"}).error.find("/scans:browser"), std::string::npos);
  EXPECT_NE(parse({"/auto", "/scans:junk", "/history"}).error.find("/scans:browser"),
            std::string::npos);
  EXPECT_FALSE(parse({"/auto", "/scans:browser", "/cookies:1"}).error.empty());
  EXPECT_FALSE(parse({"/auto", "/scans:browser", "/cookies", "/cookies"}).error.empty());
  EXPECT_NE(parse({"/preview", "/csv", "/scans:browser"}).error.find("browser"), std::string::npos);
}

TEST(CommandLine, UsageNamesEverySwitch) {
  std::string usage = automationUsage();
  for (const char* s : {"/preview", "/auto", "/scans:", "/drives:", "/out:", "/report:", "/csv",
                        "/?", "/cookies", "/history", "browser"})
    EXPECT_NE(usage.find(s), std::string::npos) << s;
}

}  // namespace
}  // namespace scrubwell
