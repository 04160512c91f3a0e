// The shipped language files: their format, that both hold the same texts, and that they hold
// every text number the program's code looks up with tr(<number>).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "base/kv_trans2.h"
#include "scan/cleanup_table.h"

using scrubwell::KvTrans2;

namespace {

std::string readAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::filesystem::path kLang = SCRUBWELL_LANG_DIR;
const char* const kFiles[] = {"Scrubwell.t00", "Scrubwell.t01"};

std::set<int> storedNumbers(const KvTrans2& t) {
  std::set<int> numbers;
  for (int n = 0; n < KvTrans2::kTextCount; ++n)
    if (!t.text(n).empty()) numbers.insert(n);
  return numbers;
}

}  // namespace

TEST(ShippedLanguageFiles, AreWellFormed) {
  const char* const names[] = {"ENGLISH", "Deutsch"};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(kFiles[i]);
    std::string content = readAll(kLang / kFiles[i]);
    ASSERT_FALSE(content.empty());
    EXPECT_EQ(scrubwell::languageNameFromText(content), names[i]);
    EXPECT_TRUE(content.ends_with("[END]\r\n"));
    for (size_t at = 0; at < content.size(); ++at) {
      if (content[at] == '\n') {
        ASSERT_TRUE(at > 0 && content[at - 1] == '\r') << "lone LF at " << at;
      }
      if (content[at] == '\r') {
        ASSERT_TRUE(at + 1 < content.size() && content[at + 1] == '\n') << "lone CR at " << at;
      }
      // UTF-8 umlauts start with 0xC3; the files are in code page 1252.
      ASSERT_NE(static_cast<unsigned char>(content[at]), 0xC3u) << "UTF-8 at " << at;
    }
    KvTrans2 t;
    t.loadFromText(content);
    EXPECT_EQ(t.firstText(), names[i]);
    EXPECT_EQ(t.text(1), "Scrubwell");
  }
}

TEST(ShippedLanguageFiles, HoldTheSameTextNumbers) {
  KvTrans2 english, german;
  english.loadFromText(readAll(kLang / kFiles[0]));
  german.loadFromText(readAll(kLang / kFiles[1]));
  EXPECT_EQ(storedNumbers(english), storedNumbers(german));
}

TEST(ShippedLanguageFiles, HoldEveryNumberTheCodeLooksUp) {
  const std::regex call(R"(\btr\(\s*([0-9]+)\s*\))");
  std::map<int, std::string> used;  // number -> first file using it
  for (const auto& e : std::filesystem::recursive_directory_iterator(SCRUBWELL_SOURCE_DIR)) {
    auto ext = e.path().extension();
    if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    std::string code = readAll(e.path());
    for (std::sregex_iterator m(code.begin(), code.end(), call), end; m != end; ++m)
      used.emplace(std::stoi((*m)[1].str()), e.path().filename().string());
  }
  for (const char* file : kFiles) {
    KvTrans2 t;
    t.loadFromText(readAll(kLang / file));
    std::ostringstream missing;
    for (const auto& [number, where] : used)
      if (t.text(number).empty()) missing << " " << number << " (" << where << ")";
    // The clean-up table names its button and chooser texts by number, not through tr().
    for (const scrubwell::Cleanup& c : scrubwell::cleanups())
      for (int number : {c.buttonText, c.chooserText})
        if (t.text(number).empty()) missing << " " << number << " (clean-up table)";
    EXPECT_TRUE(missing.str().empty()) << file << " lacks texts:" << missing.str();
  }
}

TEST(ShippedLanguageFiles, TheFreedSpaceCaptionIsAPrefixWithoutAnAmount) {
  // The program appends " <kilobytes>kb" to text 173; an amount of its own would read "0kb 12kb".
  for (const char* file : kFiles) {
    KvTrans2 t;
    t.loadFromText(readAll(kLang / file));
    const std::string caption = t.text(173);
    EXPECT_FALSE(caption.empty()) << file;
    EXPECT_EQ(caption.find("kb"), std::string::npos) << file << ": " << caption;
    EXPECT_TRUE(caption.ends_with(":")) << file << ": " << caption;
  }
}
