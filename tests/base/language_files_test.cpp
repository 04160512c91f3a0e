// The translation object's file side: counting and naming the installed languages, switching and
// applying one, the copy at start-up, and bad language files.
#include <gtest/gtest.h>

#include "base/file_ops.h"
#include "base/kv_trans2.h"
#include "base/settings_file.h"
#include "support/app_sandbox.h"

using namespace scrubwell;
using test::AppSandbox;

namespace {

std::string languageFile(const std::string& name, const std::string& product) {
  return "[0]\r\n" + name + "\r\n[1]\r\n" + product + "\r\n[2]\r\n" + name + " two\r\n[END]\r\n";
}

// Installs text files for the given names (numbers 0, 1, ...) and optional doc and help files.
void install(const AppSandbox& box, const std::vector<std::string>& names) {
  for (size_t n = 0; n < names.size(); ++n)
    ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.t0" + std::to_string(n),
                                languageFile(names[n], "Scrubwell")));
}

}  // namespace

TEST(LanguageFiles, CountNamesAndNumbers) {
  AppSandbox box;
  KvTrans2 t;
  EXPECT_EQ(t.languageCount(), 0);
  install(box, {"ENGLISH", "Deutsch", "english"});
  EXPECT_EQ(t.languageCount(), 3);
  EXPECT_EQ(t.languageName(1), "Deutsch");
  EXPECT_EQ(t.languageName(7), "");
  EXPECT_EQ(t.languageNumberOf("DEUTSCH"), 1);
  EXPECT_EQ(t.languageNumberOf("English"), 2);  // the last match wins
  EXPECT_EQ(t.languageNumberOf("Français"), -1);
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.t012", languageFile("Dansk", "x")));
  EXPECT_EQ(t.languageCount(), 4);
  EXPECT_EQ(t.languageNumberOf("dansk"), 12);
}

TEST(LanguageFiles, SwitchKeepsTheEnglishDocumentsWhereALanguageHasNone) {
  AppSandbox box;
  install(box, {"ENGLISH", "Deutsch"});
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.d00", "english doc"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.c00", "english help"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.c01", "deutsche Hilfe"));
  KvTrans2 t;
  EXPECT_FALSE(t.switchLanguage("Klingon"));
  EXPECT_FALSE(fileExists(box.data() + "Scrubwell.def"));

  EXPECT_TRUE(t.switchLanguage("deutsch"));
  EXPECT_EQ(t.text(2), "Deutsch two");
  EXPECT_EQ(t.firstText(), "Deutsch");
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.def"), languageFile("Deutsch", "Scrubwell"));
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.doc"), "english doc");
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.chm"), "deutsche Hilfe");

  KvTrans2 reloaded;
  reloaded.loadFromDataFolder();
  EXPECT_EQ(reloaded.text(2), "Deutsch two");
}

TEST(LanguageFiles, ApplyRemovesOldDocumentsFirst) {
  AppSandbox box;
  install(box, {"ENGLISH", "Deutsch"});
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.doc", "stale"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.chm", "stale"));
  KvTrans2 t;
  t.applyLanguage("Deutsch");  // no language has documents: both stay away
  EXPECT_FALSE(fileExists(box.data() + "Scrubwell.doc"));
  EXPECT_FALSE(fileExists(box.data() + "Scrubwell.chm"));
  EXPECT_EQ(t.text(2), "Deutsch two");
}

TEST(LanguageFiles, StartCopiesTheSavedLanguageWhereItsFilesExist) {
  AppSandbox box;
  install(box, {"ENGLISH", "Deutsch"});
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.d01", "Dokumentation"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.chm", "old help"));
  KvTrans2 t;
  t.copyLanguageFilesAtStart();  // no settings file: language 0
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.def"), languageFile("ENGLISH", "Scrubwell"));

  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.ini", "[Language]\r\nselected=1\r\n"));
  EXPECT_EQ(readLanguageNumber(), 1);
  t.copyLanguageFilesAtStart();
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.def"), languageFile("Deutsch", "Scrubwell"));
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.doc"), "Dokumentation");
  EXPECT_EQ(test::readFile(box.data() + "Scrubwell.chm"), "old help");  // no .c01: kept
}

TEST(LanguageFiles, MissingBinaryAndOversizedFilesEndDefined) {
  AppSandbox box;
  KvTrans2 t;
  t.loadFromText("[1]\r\nold\r\n[END]\r\n");
  t.loadFile(box.data() + "none.def");
  EXPECT_EQ(t.text(1), "");

  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) >> 3);
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.t00", binary));
  EXPECT_EQ(t.languageCount(), 1);
  t.languageName(0);  // whatever line 2 is, no crash
  t.loadFile(box.data() + "Scrubwell.t00");

  // Over the size limit: the part within the limit is read, the rest is ignored.
  std::string big = "[0]\r\nENGLISH\r\n[1]\r\nkept\r\n[2]\r\n" +
                    std::string(KvTrans2::kMaxFileBytes, 'x') + "\r\n[3]\r\nbeyond\r\n[END]\r\n";
  ASSERT_TRUE(test::writeFile(box.data() + "big.def", big));
  t.loadFile(box.data() + "big.def");
  EXPECT_EQ(t.text(1), "kept");
  EXPECT_EQ(t.text(2), "");
  EXPECT_EQ(t.text(3), "");
}

TEST(LanguageFiles, TheShippedFilesLoad) {
  AppSandbox box;
  for (const char* f : {"Scrubwell.t00", "Scrubwell.t01"})
    ASSERT_TRUE(copyFile(std::string(SCRUBWELL_LANG_DIR) + "\\" + f, box.data() + f)) << f;
  KvTrans2 t;
  EXPECT_EQ(t.languageCount(), 2);
  EXPECT_EQ(t.languageName(0), "ENGLISH");
  EXPECT_EQ(t.languageName(1), "Deutsch");
  ASSERT_TRUE(t.switchLanguage("Deutsch"));
  EXPECT_EQ(t.text(1), "Scrubwell");
  EXPECT_EQ(t.text(304), "noch nie");
  EXPECT_EQ(t.text(44),
            "zur\xFC"
            "ck");  // code page 1252
}
