// The test seams: scripted prompts, an instant clock that never sets the real time, and the
// registry override that keeps a test's keys away from the prefix's own.
#include <gtest/gtest.h>

#include "platform/message_pump.h"
#include "platform/seams.h"
#include "support/fake_seams.h"
#include "support/registry_override.h"

using namespace scrubwell;

TEST(Seams, FakesAreInstalledAndRemoved) {
  Prompts* before = &prompts();
  {
    test::ScopedSeams seams;
    seams.prompts.answerMessage(IDNO);
    EXPECT_EQ(prompts().messageBox(nullptr, "Really?", "Scrubwell", MB_YESNO), IDNO);
    EXPECT_EQ(prompts().messageBox(nullptr, "Again?", "Scrubwell", MB_YESNO), IDYES);
    ASSERT_EQ(seams.prompts.countOf("message"), 2);
    EXPECT_EQ(seams.prompts.asked()[0].text, "Really?");

    SYSTEMTIME before = theClock().localTime();
    DWORD t0 = GetTickCount();
    waitPumping(5000);
    EXPECT_LT(GetTickCount() - t0, 2000u) << "pauses are instant";
    EXPECT_EQ(seams.clock.slept(), 5000u);
    SYSTEMTIME after = theClock().localTime();
    EXPECT_EQ(after.wSecond, (before.wSecond + 5) % 60);

    SYSTEMTIME realBefore;
    GetSystemTime(&realBefore);
    SYSTEMTIME past{};
    past.wYear = 2001;
    past.wMonth = 1;
    past.wDay = 1;
    EXPECT_TRUE(theClock().setSystemTime(past));
    SYSTEMTIME realAfter;
    GetSystemTime(&realAfter);
    EXPECT_EQ(realAfter.wYear, realBefore.wYear) << "the real clock is never set";
    EXPECT_EQ(seams.clock.systemTimeRequests().size(), 1u);

    EXPECT_TRUE(launcher().open("notepad.exe", "", "", SW_SHOW));
    ASSERT_EQ(seams.launcher.launches().size(), 1u);
    EXPECT_EQ(seams.launcher.launches()[0].file, "notepad.exe");
  }
  EXPECT_EQ(&prompts(), before);
}

TEST(Seams, RegistryOverrideIsolatesARoot) {
  {
    test::RegistryOverride hkcu(HKEY_CURRENT_USER);
    ASSERT_TRUE(hkcu.ok());
    ASSERT_TRUE(test::setRegString(HKEY_CURRENT_USER, "Software\\Probe", "v", "inside"));
    EXPECT_EQ(test::regString(HKEY_CURRENT_USER, "Software\\Probe", "v"), "inside");
    EXPECT_FALSE(test::regKeyExists(HKEY_CURRENT_USER, "Software\\Wine"))
        << "the overridden root starts empty";
  }
  EXPECT_FALSE(test::regKeyExists(HKEY_CURRENT_USER, "Software\\Probe"));
  EXPECT_TRUE(test::regKeyExists(HKEY_CURRENT_USER, "Software\\Wine"));
}
