// The user's guide in both languages against the program: every clean-up with a button on the
// main window has a section headed by the button's caption in the guide of the same language,
// and every picture a page shows exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "base/kv_trans2.h"
#include "scan/cleanup_table.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The pages are ASCII with HTML entities for other letters; the language files are code page
// 1252. This turns the entities the pages use into code page 1252.
std::string unescape(std::string s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&auml;", "\xe4"}, {"&ouml;", "\xf6"}, {"&uuml;", "\xfc"}, {"&Auml;", "\xc4"},
      {"&Ouml;", "\xd6"}, {"&Uuml;", "\xdc"}, {"&szlig;", "\xdf"}, {"&amp;", "&"}};
  for (const auto& [entity, letter] : kEntities)
    for (size_t at; (at = s.find(entity)) != std::string::npos;) s.replace(at, strlen(entity), letter);
  return s;
}

struct Guide {
  std::set<std::string> sections;  // the text of every <h2>
  std::set<std::string> pictures;  // every <img src>
};

Guide readGuide(const fs::path& folder) {
  Guide g;
  const std::regex heading("<h2[^>]*>([^<]*)</h2>"), picture("<img src=\"([^\"]+)\"");
  for (const auto& page : fs::directory_iterator(folder)) {
    const std::string text = readAll(page.path());
    for (std::sregex_iterator m(text.begin(), text.end(), heading), end; m != end; ++m)
      g.sections.insert(unescape((*m)[1].str()));
    for (std::sregex_iterator m(text.begin(), text.end(), picture), end; m != end; ++m)
      g.pictures.insert((*m)[1].str());
  }
  return g;
}

}  // namespace

TEST(HelpGuide, EveryCleanUpHasItsSectionAndEveryPictureExists) {
  const fs::path help = SCRUBWELL_HELP_DIR;
  const std::pair<const char*, const char*> kLanguages[] = {{"en", "Scrubwell.t00"},
                                                            {"de", "Scrubwell.t01"}};
  for (const auto& [folder, languageFile] : kLanguages) {
    SCOPED_TRACE(folder);
    scrubwell::KvTrans2 texts;
    texts.loadFromText(readAll(fs::path(SCRUBWELL_LANG_DIR) / languageFile));
    const Guide guide = readGuide(help / folder);
    ASSERT_FALSE(guide.sections.empty());
    for (const scrubwell::Cleanup& c : scrubwell::cleanups()) {
      std::string caption = texts.text(c.buttonText);
      for (size_t at; (at = caption.find("&&")) != std::string::npos;) caption.erase(at, 1);
      EXPECT_TRUE(guide.sections.count(caption)) << "no section \"" << caption << "\"";
    }
    for (const std::string& picture : guide.pictures)
      EXPECT_TRUE(fs::exists(help / "pictures" / picture)) << picture;
  }
}
