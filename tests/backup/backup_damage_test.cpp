// Damaged and hostile archives under Wine: every truncation of a small archive, flipped bytes,
// wrong markers, out-of-range lengths and counts, broken spanning records and stored names that
// point outside their place. Each gives its error code, and nothing is written outside the target.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "backup_fixture.h"
#include "backup_test_data.h"
#include "platform/find.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

std::string le(int32_t v) {
  uint8_t b[4];
  archive::putInt32(b, v);
  return std::string(reinterpret_cast<char*>(b), 4);
}
std::string field(const std::string& s) { return le(int32_t(s.size())) + s; }
std::string header(int32_t total = 1, int32_t count = 1) {
  return field("t") + le(total) + le(count);
}
std::string storedRun(const std::string& data) {
  return std::string("EC2\0", 4) + le(-int32_t(data.size())) + data + le(0);
}
std::string entry(const std::string& name, const std::string& data) {
  return field(name) + le(0x50A96000) + storedRun(data);
}

std::set<std::string> namesIn(const std::string& folder) {
  std::set<std::string> names;
  for (FindFiles f(folder + "*", 63); f.next();)
    if (!f.isDots()) names.insert(f.name());
  return names;
}

}  // namespace

class DamagedArchiveTest : public BackupFileTest {
 protected:
  // Restores `bytes` as an archive file into the destination folder; returns the error code.
  int32_t restoreBytes(const std::string& bytes, const std::string& destDir) {
    EXPECT_TRUE(writeFile(out / "d.bck", bytes));
    errors.clear();
    bool ok = archive.Restore(out / "d.bck", destDir);
    EXPECT_EQ(ok, archive.LastError == 0);
    EXPECT_EQ(errors.size(), archive.LastError ? 1u : 0u);
    EXPECT_FALSE(archive.Busy);
    return archive.LastError;
  }
  int32_t infoOf(const std::string& bytes) {
    MemoryStream in(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    archive.InStream = &in;
    std::vector<std::string> list;
    std::string title;
    errors.clear();
    archive.ReadArchiveInfo(":STREAM", &list, title);
    EXPECT_EQ(errors.size(), archive.LastError ? 1u : 0u);
    return archive.LastError;
  }
  ScratchFolder dest{'D', "dest"};
};

TEST_F(DamagedArchiveTest, EveryTruncationFailsWithItsCode) {
  ASSERT_TRUE(writeFile(src / "a.txt", asString(textBytes(300, 1))));
  ASSERT_TRUE(writeFile(src / "b.txt", ""));
  archive.SaveFileID = true;
  ASSERT_TRUE(archive.Backup({src / "a.txt", src / "b.txt"}, out / "whole.bck"));
  const std::string whole = readFile(out / "whole.bck");
  const size_t headerSize = 4 + 0 + 4 + 4;
  const size_t listEnd = whole.find(field(stored("a.txt")));
  ASSERT_NE(listEnd, std::string::npos);

  for (size_t cut = 0; cut < whole.size(); ++cut) {
    std::string part = whole.substr(0, cut);
    int32_t code = restoreBytes(part, dest.path());
    if (cut < headerSize) {
      EXPECT_EQ(code, 3) << "cut at " << cut;
    } else {
      EXPECT_TRUE(code == 1 || code == 6) << "cut at " << cut << ": " << code;
    }
    code = infoOf(part);
    if (cut < listEnd)
      EXPECT_TRUE(code == 5 || code == 6) << "info cut at " << cut << ": " << code;
    else
      EXPECT_EQ(code, 0) << "info cut at " << cut;
  }
  // The last cuts leave the records of both files whole (b.txt is empty), so both come back before
  // the damage is found.
  EXPECT_EQ(namesIn(dest.path()), std::set<std::string>({"a.txt", "b.txt"}));
}

TEST_F(DamagedArchiveTest, FlippedBytesNeverWriteOutsideTheDestination) {
  ASSERT_TRUE(writeFile(src / "a.txt", asString(textBytes(200, 2))));
  ASSERT_TRUE(writeFile(src / "b.bin", asString(randomBytes(100, 3))));
  ASSERT_TRUE(archive.Backup({src / "a.txt", src / "b.bin"}, out / "whole.bck"));
  const std::string whole = readFile(out / "whole.bck");
  const auto before = namesIn(src.path());
  for (size_t at = 0; at < whole.size(); ++at) {
    std::string bad = whole;
    bad[at] = static_cast<char>(bad[at] ^ 0x5A);
    restoreBytes(bad, dest.path());
    for (FindFiles f(dest / "*", 63); f.next();)
      EXPECT_FALSE(f.isDirectory() && !f.isDots()) << "flip at " << at << " made " << f.name();
  }
  EXPECT_EQ(namesIn(src.path()), before);
  EXPECT_EQ(namesIn(out.path()), (std::set<std::string>{"d.bck", "whole.bck"}));
}

TEST_F(DamagedArchiveTest, OutOfRangeFieldsAndWrongMarkersHaveTheirCodes) {
  const std::string list = field("FILE:LIST") + le(0);
  const std::string ok = "EC2" + std::string(1, '\0');
  struct Case {
    const char* what;
    std::string bytes;
    int32_t restoreCode, infoCode;
  };
  const Case cases[] = {
      {"negative title length", le(-1) + le(0) + le(0) + le(0), 3, 5},
      {"huge title length", le(INT_MAX) + le(0) + le(0) + le(0), 3, 5},
      {"negative total", field("t") + le(-5) + le(1) + le(0), 3, 5},
      {"negative count", field("t") + le(5) + le(INT_MIN) + le(0), 3, 5},
      {"negative name length", header() + le(-1), 1, 5},
      {"huge name length", header() + le(INT_MAX), 1, 5},
      {"wrong run marker", header() + list + "EC3" + std::string(1, '\0') + le(0) + le(0), 1, 5},
      {"block too long", header() + list + ok + le(16385) + std::string(16385, 'x'), 1, 5},
      {"stored block too long", header() + list + ok + le(-16385) + std::string(16385, 'x'), 1, 5},
      {"most negative block", header() + list + ok + le(INT_MIN) + le(0), 1, 5},
      {"block beyond the end", header() + list + ok + le(-100) + "short", 1, 5},
      {"no zlib stream",
       header() + field("c:\\x\\a.txt") + le(0) + ok + le(8) + "12345678" + le(0) + le(0), 6, 0},
      {"no zlib stream in the list", header() + list + ok + le(8) + "12345678" + le(0) + le(0), 0,
       6},
      {"missing end marker", header() + entry("c:\\x\\a.txt", "a"), 1, 0},
      {"disk out of order", header() + entry("c:\\x\\a.txt", "a") + field("NEXT:DISK003"), 1, 0},
      {"malformed disk", header() + entry("c:\\x\\a.txt", "a") + field("NEXT:DISKxyz"), 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(restoreBytes(c.bytes, dest.path()), c.restoreCode) << c.what;
    EXPECT_EQ(infoOf(c.bytes), c.infoCode) << c.what;
  }
  // A valid archive in the same form, to show the cases above differ only in their damage.
  EXPECT_EQ(restoreBytes(header() + entry("c:\\x\\a.txt", "a") + le(0), dest.path()), 0);
  EXPECT_EQ(readFile(dest / "a.txt"), "a");

  // Spanning needs archive files; a stream cannot continue.
  std::string spanned = header() + entry("c:\\x\\b.txt", "b") + field("NEXT:DISK002");
  MemoryStream in(std::vector<uint8_t>(spanned.begin(), spanned.end()));
  archive.InStream = &in;
  EXPECT_FALSE(archive.Restore(":STREAM", dest.path()));
  EXPECT_EQ(archive.LastError, 1);
}

TEST_F(DamagedArchiveTest, NamesThatAreNotPlainAbsolutePathsAreNeverWritten) {
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string outside =
      out.path().substr(0, 3) + "evil-" + std::to_string(GetCurrentProcessId());
  const std::string bytes = header(1, 6) + entry(out / "..\\" + outside.substr(3) + "-1.txt", "x") +
                            entry("evil-relative.txt", "x") + entry(out / "con", "x") +
                            entry("\\\\server\\share\\evil.txt", "x") +
                            entry(out / "sub\\\\double.txt", "x") +
                            entry(out / "good.txt", "good") + le(0);
  archive.RestoreFullPath = true;
  EXPECT_EQ(restoreBytes(bytes, ""), 0);
  EXPECT_EQ(archive.UnsafeNames, 5);
  EXPECT_EQ(archive.FilesDone, 1);
  EXPECT_EQ(readFile(out / "good.txt"), "good");
  EXPECT_FALSE(fileExists(outside + "-1.txt"));
  EXPECT_FALSE(fileExists(std::string(current) + "\\evil-relative.txt"));
  EXPECT_FALSE(folderExists(out / "sub"));

  // Below a destination the same names are refused as well.
  EXPECT_EQ(restoreBytes(bytes, dest.path()), 0);
  EXPECT_EQ(archive.UnsafeNames, 5);
  EXPECT_EQ(namesIn(dest.path()),
            (std::set<std::string>{out.path().substr(3, out.path().size() - 4)}));
}
