// The bounds check of shortcut files on built files: whole ones pass, damaged ones do not.
#include "scan/shell_link_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace scrubwell;

namespace {

std::string le16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string le32(uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }

std::string header(uint32_t flags) {
  const unsigned char linkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                       0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
  return le32(0x4C) + std::string(reinterpret_cast<const char*>(linkClass), 16) + le32(flags) +
         std::string(76 - 24, '\0');
}

// A shortcut with an item list of one item, link info, a Unicode name and one extra block.
std::string wholeShortcut() {
  const std::string idList = le16(8) + le16(6) + std::string("\x1f\x50\x00\x00", 4) + le16(0);
  const std::string info = le32(0x1C) + std::string(0x1C - 4, '\x01');
  const std::string name = le16(3) + std::string("a\0b\0c\0", 6);
  const std::string block = le32(12) + std::string("\x02\x00\x00\xa0", 4) + "abcd";
  return header(0x01 | 0x02 | 0x04 | 0x80) + idList + info + name + block + le32(0);
}

}  // namespace

TEST(ShellLinkFormat, WholeShortcutsPass) {
  EXPECT_TRUE(isWellFormedShellLink(wholeShortcut()));
  EXPECT_TRUE(isWellFormedShellLink(header(0)));                // nothing announced
  EXPECT_TRUE(isWellFormedShellLink(header(0) + le32(0)));      // only the terminal block
  const std::string ansiName = header(0x04) + le16(3) + "abc";  // one byte per character
  EXPECT_TRUE(isWellFormedShellLink(ansiName));
}

TEST(ShellLinkFormat, EveryCutInsideAStructureFails) {
  const std::string whole = wholeShortcut();
  const size_t terminal = whole.size() - 4, lastBlock = terminal - 12;
  for (size_t n = 0; n < whole.size(); ++n) {
    // Ending just before an extra block or the terminal block is a whole file without them.
    const bool endsBetweenBlocks = n == lastBlock || n == terminal;
    EXPECT_EQ(isWellFormedShellLink(whole.substr(0, n)), endsBetweenBlocks) << "cut at " << n;
  }
}

TEST(ShellLinkFormat, DeclaredLengthsBeyondTheFileFail) {
  const std::string idTooLong = header(0x01) + le16(0xFFFF) + le16(0);
  const std::string itemTooLong = header(0x01) + le16(6) + le16(0xFFF0) + le16(0);
  const std::string itemOutsideList = header(0x01) + le16(4) + le16(6) + "abcd" + le16(0);
  const std::string itemTooShort = header(0x01) + le16(4) + le16(1) + le16(0);
  const std::string infoTooLong = header(0x02) + le32(0x7FFFFFFF);
  const std::string infoTooShort = header(0x02) + le32(2);
  const std::string nameTooLong = header(0x84) + le16(0xFFFF) + "ab";
  const std::string blockTooLong = header(0) + le32(0xFFFFFFF0) + "abcd";
  for (const std::string& damaged : {idTooLong, itemTooLong, itemOutsideList, itemTooShort,
                                     infoTooLong, infoTooShort, nameTooLong, blockTooLong})
    EXPECT_FALSE(isWellFormedShellLink(damaged)) << testing::PrintToString(damaged);
}

TEST(ShellLinkFormat, OtherFilesFail) {
  std::string wrongSize = header(0);
  wrongSize[0] = 0x4D;
  std::string wrongClass = header(0);
  wrongClass[4] = 0x02;
  EXPECT_FALSE(isWellFormedShellLink(wrongSize));
  EXPECT_FALSE(isWellFormedShellLink(wrongClass));
  EXPECT_FALSE(isWellFormedShellLink(""));
  EXPECT_FALSE(isWellFormedShellLink(std::string(1000, '\0')));  // e.g. an old .pif file
  EXPECT_FALSE(isWellFormedShellLink(header(0) + std::string(kMaxShellLinkBytes, '\0')));
}
