// Checker.exe's command line: finding the parameters after the program name, quoted or not, and
// accepting "/check" alone.
#include <gtest/gtest.h>

#include "checker/check_command.h"

using scrubwell::isCheckRequest;
using scrubwell::parametersOf;

TEST(CheckerCommandLine, ParametersFollowTheProgramName) {
  EXPECT_EQ(parametersOf("\"C:\\Program Files\\Scrubwell\\Checker.exe\" /check"), " /check");
  EXPECT_EQ(parametersOf("\"C:\\Program Files\\Scrubwell\\Checker.exe\"/check"), "/check");
  EXPECT_EQ(parametersOf("Checker.exe /check"), " /check");
  EXPECT_EQ(parametersOf("Checker /check"), " /check");
  EXPECT_EQ(parametersOf("C:\\PROGRA~1\\SCRUBW~1\\CHECKER.EXE /CHECK"), " /CHECK");
  // A log-on entry may name a path with blanks without quotes (typed in by hand, say).
  EXPECT_EQ(parametersOf("C:\\Program Files\\Scrubwell\\Checker.exe /check"), " /check");
  EXPECT_EQ(parametersOf("C:\\Program Files\\Scrubwell\\Checker.exe\t/check  "), "\t/check  ");
  // ".exe" inside a folder name is no end of the program name.
  EXPECT_EQ(parametersOf("C:\\a.exed\\Checker.exe /check"), " /check");
}

TEST(CheckerCommandLine, NoParameters) {
  EXPECT_EQ(parametersOf(""), "");
  EXPECT_EQ(parametersOf("\"C:\\Program Files\\Scrubwell\\Checker.exe\""), "");
  EXPECT_EQ(parametersOf("C:\\Program Files\\Scrubwell\\Checker.exe"), "");
  EXPECT_EQ(parametersOf("Checker"), "");
  EXPECT_EQ(parametersOf("\"C:\\unclosed quote /check"), "") << "nothing after a quote left open";
}

TEST(CheckerCommandLine, OnlyCheckAloneIsARequest) {
  for (const char* yes : {"/check", " /check", "/CHECK ", "\t/Check\t", "   /cHeCk   ",
                          "\"/check\"", " \" /Check \" "})
    EXPECT_TRUE(isCheckRequest(yes)) << '"' << yes << '"';
  for (const char* no : {"", " ", "/other", "check", "-check", "/checker", "/chec", "/check x",
                         "\"/check", "/check\"", "\"\"", "\"\"/check\"\"", "\"/check\" x",
                         "/ check", "x /check"})
    EXPECT_FALSE(isCheckRequest(no)) << '"' << no << '"';
}
