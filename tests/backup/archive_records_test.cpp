// Writing and reading archive records in memory: the exact layout, round trips over the block
// boundaries, spanning cuts, sources that shrink or fail, and damaged input of every kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "archive_layout.h"
#include "backup/archive_reader.h"
#include "backup/archive_writer.h"
#include "backup_test_data.h"

using namespace scrubwell;
using archive::kBlockSize;
using Bytes = std::vector<uint8_t>;

namespace {

const auto keepGoing = [](size_t) { return true; };

// A stream that fails every call once `budget` bytes have gone through it.
class FailingStream final : public ArchiveStream {
 public:
  FailingStream(Bytes bytes, size_t budget) : inner_(std::move(bytes)), budget_(budget) {}
  int64_t read(void* b, size_t n) override { return spend(n) ? inner_.read(b, n) : -1; }
  bool write(const void* d, size_t n) override { return spend(n) && inner_.write(d, n); }
  bool seek(int64_t p) override { return inner_.seek(p); }
  int64_t position() const override { return inner_.position(); }
  int64_t size() const override { return inner_.size(); }

 private:
  bool spend(size_t n) {
    if (n > budget_) return false;
    budget_ -= n;
    return true;
  }
  MemoryStream inner_;
  size_t budget_;
};

struct Entry {
  std::string name;
  int32_t date;
  Bytes data;
};

Bytes writeArchive(const std::vector<Entry>& entries, TCompressionLevel level = clMax) {
  MemoryStream out;
  ArchiveWriter writer(out, level);
  int64_t total = 0;
  for (const auto& e : entries) total += static_cast<int64_t>(e.data.size());
  EXPECT_TRUE(writer.writeHeader("title", static_cast<int32_t>(total),
                                 static_cast<int32_t>(entries.size())));
  for (const auto& e : entries) {
    MemoryStream source(e.data);
    int64_t remaining = static_cast<int64_t>(e.data.size());
    EXPECT_TRUE(writer.writeName(e.name) && writer.writeInt32(e.date));
    EXPECT_EQ(writer.writeRun(source, remaining, 0, keepGoing), RunEnd::complete);
  }
  EXPECT_TRUE(writer.writeEndMarker());
  return out.bytes();
}

// Reads a whole single-file archive; the first result that is not ok, or ok at the end marker.
ReadResult readArchive(const Bytes& bytes, std::vector<Entry>* entries, bool unpack = true) {
  MemoryStream in(bytes);
  ArchiveReader reader(in);
  ArchiveHeader header;
  if (auto r = reader.readHeader(header); r != ReadResult::ok) return r;
  for (;;) {
    Entry e;
    if (auto r = reader.readName(e.name); r != ReadResult::ok) return r;
    if (e.name.empty()) return ReadResult::ok;
    if (auto r = reader.readInt32(e.date); r != ReadResult::ok) return r;
    MemoryStream target;
    if (auto r = reader.readRun(unpack ? &target : nullptr, keepGoing); r != ReadResult::ok)
      return r;
    e.data = target.bytes();
    if (entries) entries->push_back(std::move(e));
  }
}

Bytes smallArchive() {
  return writeArchive({{"c:\\a.txt", 0x3A5B1234, test::textBytes(100, 1)},
                       {"c:\\raw.bin", 7, test::randomBytes(50, 2)},
                       {"c:\\empty", 9, {}}});
}

}  // namespace

TEST(ArchiveWriter, WritesTheDocumentedLayout) {
  Bytes text = test::textBytes(kBlockSize + 10, 3);
  Bytes noise = test::randomBytes(kBlockSize, 4);
  Bytes archiveBytes = writeArchive({{"c:\\a.txt", 0x3A5B1234, text}, {"c:\\b", -2, noise}});

  test::FieldCursor f(archiveBytes);
  EXPECT_EQ(f.lengthAndText(), "title");
  EXPECT_EQ(f.int32(), static_cast<int32_t>(text.size() + noise.size()));
  EXPECT_EQ(f.int32(), 2);

  EXPECT_EQ(f.lengthAndText(), "c:\\a.txt");
  EXPECT_EQ(f.int32(), 0x3A5B1234);
  EXPECT_EQ(f.bytes(4), test::kRunMarkerText);
  Bytes restored;
  for (size_t piece : {kBlockSize, size_t{10}}) {
    int32_t length = f.int32();
    ASSERT_GT(length, 0) << "text compresses";
    std::string block = f.bytes(static_cast<size_t>(length));
    Bytes out(kBlockSize);
    BlockDecoder decoder;
    ASSERT_EQ(
        decoder.decode(reinterpret_cast<const uint8_t*>(block.data()), block.size(), out.data()),
        static_cast<int32_t>(piece));
    restored.insert(restored.end(), out.begin(), out.begin() + static_cast<long>(piece));
  }
  EXPECT_EQ(restored, text);
  EXPECT_EQ(f.int32(), 0) << "run end";

  EXPECT_EQ(f.lengthAndText(), "c:\\b");
  EXPECT_EQ(f.int32(), -2);
  EXPECT_EQ(f.bytes(4), test::kRunMarkerText);
  EXPECT_EQ(f.int32(), -int32_t(kBlockSize)) << "noise is stored as it is";
  EXPECT_EQ(f.bytes(kBlockSize), test::asString(noise));
  EXPECT_EQ(f.int32(), 0) << "run end";
  EXPECT_EQ(f.int32(), 0) << "end marker";
  EXPECT_TRUE(f.atEnd());
}

TEST(ArchiveWriter, RoundTripsAcrossBlockBoundariesAndLevels) {
  std::vector<Entry> entries;
  int32_t date = 100;
  for (size_t size :
       {size_t{0}, size_t{1}, kBlockSize - 1, kBlockSize, kBlockSize + 1, 3 * kBlockSize + 7}) {
    entries.push_back({"c:\\t" + std::to_string(size), date++, test::textBytes(size, 5)});
    entries.push_back({"c:\\r" + std::to_string(size), date++, test::randomBytes(size, 6)});
  }
  for (TCompressionLevel level : {clFastest, clNone, clDefault, clMax}) {
    std::vector<Entry> back;
    ASSERT_EQ(readArchive(writeArchive(entries, level), &back), ReadResult::ok) << int(level);
    ASSERT_EQ(back.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(back[i].name, entries[i].name);
      EXPECT_EQ(back[i].date, entries[i].date);
      EXPECT_EQ(back[i].data, entries[i].data) << entries[i].name << " level " << int(level);
    }
  }
}

TEST(ArchiveWriter, CutsARunAtTheSizeLimitAndContinuesElsewhere) {
  Bytes data = test::randomBytes(5 * kBlockSize, 8);
  MemoryStream source(data), first, second;
  ArchiveWriter writer(first, clMax);
  int64_t remaining = static_cast<int64_t>(data.size());
  int blocks = 0;
  auto count = [&blocks](size_t) { return ++blocks, true; };
  // Room for two stored blocks: the third would start at 4 + 2 * (16384 + 4), not below the limit.
  const int64_t maxSize = 4 + 2 * (int64_t{kBlockSize} + 4) + archive::kSpanReserve;
  EXPECT_EQ(writer.writeRun(source, remaining, maxSize, count), RunEnd::sizeLimit);
  EXPECT_EQ(blocks, 2);
  EXPECT_EQ(writer.blocksInLastRun(), 2);
  EXPECT_EQ(remaining, static_cast<int64_t>(3 * kBlockSize));
  writer.switchTo(second);
  EXPECT_EQ(writer.writeRun(source, remaining, 0, count), RunEnd::complete);
  EXPECT_EQ(remaining, 0);
  EXPECT_EQ(writer.archiveBytes(), first.size() - 4 + second.size() - 4) << "run ends excluded";

  MemoryStream firstIn(first.bytes()), secondIn(second.bytes()), target;
  ArchiveReader reader(firstIn);
  ASSERT_EQ(reader.readRun(&target, keepGoing), ReadResult::ok);
  reader.switchTo(secondIn);
  ASSERT_EQ(reader.readRun(&target, keepGoing), ReadResult::ok);
  EXPECT_EQ(target.bytes(), data);
}

TEST(ArchiveWriter, ASourceThatShrinksLeavesARunThatNoReaderTakesForWhole) {
  MemoryStream source(test::textBytes(kBlockSize + 100, 9)), out;
  ArchiveWriter writer(out, clMax);
  int64_t remaining = 3 * kBlockSize;  // the size taken before the file shrank
  EXPECT_EQ(writer.writeRun(source, remaining, 0, keepGoing), RunEnd::sourceShrank);
  MemoryStream in(out.bytes()), target;
  ArchiveReader reader(in);
  EXPECT_EQ(reader.readRun(&target, keepGoing), ReadResult::damaged);
}

TEST(ArchiveWriter, AStoppedOrFailedRunHasNoRunEnd) {
  Bytes data = test::textBytes(3 * kBlockSize, 10);
  {
    MemoryStream source(data), out;
    ArchiveWriter writer(out, clMax);
    int64_t remaining = static_cast<int64_t>(data.size());
    EXPECT_EQ(writer.writeRun(source, remaining, 0, [](size_t) { return false; }), RunEnd::stopped);
    test::FieldCursor f(out.bytes());
    EXPECT_EQ(f.bytes(4), test::kRunMarkerText);
    f.bytes(static_cast<size_t>(f.int32()));
    EXPECT_TRUE(f.atEnd()) << "one block, then nothing";
  }
  {  // a stop after the last block still leaves a whole run
    MemoryStream source(test::textBytes(10, 1)), out;
    ArchiveWriter writer(out, clMax);
    int64_t remaining = 10;
    EXPECT_EQ(writer.writeRun(source, remaining, 0, [](size_t) { return false; }),
              RunEnd::complete);
  }
  {
    FailingStream source(data, kBlockSize + 5);
    MemoryStream out;
    ArchiveWriter writer(out, clMax);
    int64_t remaining = static_cast<int64_t>(data.size());
    EXPECT_EQ(writer.writeRun(source, remaining, 0, keepGoing), RunEnd::sourceFailed);
  }
  {
    MemoryStream source(data);
    FailingStream out({}, 100);
    ArchiveWriter writer(out, clMax);
    int64_t remaining = static_cast<int64_t>(data.size());
    EXPECT_EQ(writer.writeRun(source, remaining, 0, keepGoing), RunEnd::writeFailed);
  }
}

TEST(ArchiveReader, EveryTruncationIsReportedAsDamage) {
  Bytes whole = smallArchive();
  ASSERT_EQ(readArchive(whole, nullptr), ReadResult::ok);
  for (size_t cut = 0; cut < whole.size(); ++cut) {
    Bytes part(whole.begin(), whole.begin() + static_cast<long>(cut));
    for (bool unpack : {true, false}) {
      ReadResult r = readArchive(part, nullptr, unpack);
      // A cut inside a compressed block's data can only be seen by zlib.
      EXPECT_TRUE(r == ReadResult::damaged || (unpack && r == ReadResult::compressionFailed))
          << "cut at " << cut;
    }
  }
}

TEST(ArchiveReader, FlippedBytesInCompressedDataNeverChangeTheOutputUnnoticed) {
  Bytes whole = smallArchive();
  std::vector<Entry> original;
  ASSERT_EQ(readArchive(whole, &original), ReadResult::ok);
  // The first entry's only block: after the header (17 bytes), its name (4 + 8), date and marker.
  const size_t blockAt = 17 + 12 + 4 + 4 + 4;
  const auto blockLength = static_cast<size_t>(archive::getInt32(whole.data() + blockAt - 4));
  ASSERT_GT(blockLength, 0u);
  ASSERT_LT(blockAt + blockLength, whole.size());
  for (size_t at = 0; at < whole.size(); ++at) {
    for (uint8_t flip : {0x01, 0x80}) {
      Bytes bad = whole;
      bad[at] ^= flip;
      std::vector<Entry> back;
      ReadResult r = readArchive(bad, &back);  // every other flip only has to be survived
      if (at < blockAt || at >= blockAt + blockLength) continue;
      // Only the unused bits after the last deflate code may change without zlib noticing.
      if (r == ReadResult::ok) {
        EXPECT_EQ(back[0].data, original[0].data) << "flip at " << at;
      } else {
        EXPECT_EQ(r, ReadResult::compressionFailed) << "flip at " << at;
      }
    }
  }
}

TEST(ArchiveReader, OutOfRangeFieldsAreDamage) {
  auto header = [](int32_t titleLength, int32_t total, int32_t count) {
    Bytes b(12);
    archive::putInt32(b.data(), titleLength);
    archive::putInt32(b.data() + 4, total);
    archive::putInt32(b.data() + 8, count);
    return b;
  };
  auto headerResult = [](const Bytes& b) {
    MemoryStream in(b);
    ArchiveReader reader(in);
    ArchiveHeader h;
    return reader.readHeader(h);
  };
  EXPECT_EQ(headerResult(header(0, 0, 0)), ReadResult::ok);
  EXPECT_EQ(headerResult(header(-1, 0, 0)), ReadResult::damaged);
  EXPECT_EQ(headerResult(header(INT_MAX, 0, 0)), ReadResult::damaged);
  EXPECT_EQ(headerResult(header(5, 0, 0)), ReadResult::damaged) << "title beyond the end";
  EXPECT_EQ(headerResult(header(0, -1, 0)), ReadResult::damaged);
  EXPECT_EQ(headerResult(header(0, 0, INT_MIN)), ReadResult::damaged);

  auto nameResult = [](int32_t length) {
    Bytes b(4 + 5000, 'a');
    archive::putInt32(b.data(), length);
    MemoryStream in(b);
    ArchiveReader reader(in);
    std::string name;
    return reader.readName(name);
  };
  EXPECT_EQ(nameResult(5), ReadResult::ok);
  EXPECT_EQ(nameResult(archive::kMaxNameLength), ReadResult::ok);
  for (int32_t length : {-1, INT_MIN, archive::kMaxNameLength + 1, INT_MAX})
    EXPECT_EQ(nameResult(length), ReadResult::damaged) << length;

  auto runResult = [](const char* marker, int32_t length, bool unpack) {
    Bytes b(marker, marker + 4);
    b.resize(8 + 2 * kBlockSize, 0);
    archive::putInt32(b.data() + 4, length);
    MemoryStream in(b), target;
    ArchiveReader reader(in);
    return reader.readRun(unpack ? &target : nullptr, keepGoing);
  };
  const char* ec2 = archive::kRunMarker;
  EXPECT_EQ(runResult(ec2, 0, true), ReadResult::ok);
  EXPECT_EQ(runResult("EC1", 0, true), ReadResult::damaged);
  EXPECT_EQ(runResult("EC2X", 0, true), ReadResult::damaged);
  for (bool unpack : {true, false}) {
    for (int32_t length : {int32_t(kBlockSize) + 1, -int32_t(kBlockSize) - 1, INT_MAX, INT_MIN})
      EXPECT_EQ(runResult(ec2, length, unpack), ReadResult::damaged) << length;
  }
  // A stored block of zeros followed by a zero length is a valid run either way.
  EXPECT_EQ(runResult(ec2, -int32_t(kBlockSize), true), ReadResult::ok);
  EXPECT_EQ(runResult(ec2, -int32_t(kBlockSize), false), ReadResult::ok);
  EXPECT_EQ(runResult(ec2, 100, true), ReadResult::compressionFailed) << "zeros are no stream";
}

TEST(ArchiveReader, SkippingChecksLengthsAgainstTheEnd) {
  Bytes b(archive::kRunMarker, archive::kRunMarker + 4);
  b.resize(8 + 10);
  archive::putInt32(b.data() + 4, -11);  // one byte more than there is
  MemoryStream in(b);
  ArchiveReader reader(in);
  EXPECT_EQ(reader.readRun(nullptr, keepGoing), ReadResult::damaged);
}

TEST(ArchiveReader, StopsWhenAskedAndReportsTargetFailures) {
  Bytes whole = writeArchive({{"c:\\big", 1, test::textBytes(4 * kBlockSize, 3)}});
  auto runOf = [&](ArchiveStream* target, const ArchiveReader::AfterLength& after) {
    MemoryStream in(whole);
    ArchiveReader reader(in);
    ArchiveHeader h;
    std::string name;
    int32_t date;
    EXPECT_EQ(reader.readHeader(h), ReadResult::ok);
    EXPECT_EQ(reader.readName(name), ReadResult::ok);
    EXPECT_EQ(reader.readInt32(date), ReadResult::ok);
    return reader.readRun(target, after);
  };
  MemoryStream target;
  size_t calls = 0, written = 0;
  EXPECT_EQ(runOf(&target,
                  [&](size_t n) {
                    written += n;
                    return ++calls < 2;
                  }),
            ReadResult::stopped);
  EXPECT_EQ(calls, 2u);
  EXPECT_EQ(written, 2 * kBlockSize);
  EXPECT_EQ(target.size(), static_cast<int64_t>(2 * kBlockSize));

  calls = 0;
  EXPECT_EQ(runOf(nullptr,
                  [&](size_t n) {
                    written += n;
                    ++calls;
                    return true;
                  }),
            ReadResult::ok);
  EXPECT_EQ(calls, 5u) << "four blocks and the run end";

  FailingStream refusing({}, kBlockSize);
  EXPECT_EQ(runOf(&refusing, keepGoing), ReadResult::targetFailed);
}

TEST(ArchiveReader, LeavesItsStreamRightAfterTheLastRecordRead) {
  Bytes whole = smallArchive();
  MemoryStream in(whole);
  {
    ArchiveReader reader(in);
    ArchiveHeader header;
    std::string name;
    ASSERT_EQ(reader.readHeader(header), ReadResult::ok);
    ASSERT_EQ(reader.readName(name), ReadResult::ok);
    EXPECT_EQ(in.position(), static_cast<int64_t>(whole.size())) << "read ahead";
  }
  EXPECT_EQ(in.position(), 4 + 5 + 4 + 4 + 4 + 8);
}

TEST(BufferedReader, DeliversExactBytesOverShortReadsAndPutsTheStreamBack) {
  // Hands out at most 3 bytes per read, as a slow stream may.
  class Trickle final : public ArchiveStream {
   public:
    explicit Trickle(Bytes b) : inner_(std::move(b)) {}
    int64_t read(void* b, size_t n) override { return inner_.read(b, std::min<size_t>(n, 3)); }
    bool write(const void*, size_t) override { return false; }
    bool seek(int64_t p) override { return inner_.seek(p); }
    int64_t position() const override { return inner_.position(); }
    int64_t size() const override { return inner_.size(); }

   private:
    MemoryStream inner_;
  };
  Bytes data = test::randomBytes(100000, 5);
  Trickle in(data);
  {
    BufferedReader reader(in, 8192);
    Bytes got(10);
    ASSERT_TRUE(reader.readExact(got.data(), 10));
    EXPECT_TRUE(std::equal(got.begin(), got.end(), data.begin()));
    const uint8_t* view = reader.view(8000);  // more than the first, small read brought in
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(std::equal(view, view + 8000, data.begin() + 10));
    EXPECT_EQ(reader.view(8193), nullptr) << "never more than the buffer";
    ASSERT_TRUE(reader.skip(50000));
    got.resize(20000);  // larger than the buffer: read straight from the stream
    ASSERT_TRUE(reader.readExact(got.data(), got.size()));
    EXPECT_TRUE(std::equal(got.begin(), got.end(), data.begin() + 58010));
    EXPECT_EQ(reader.remaining(), 100000 - 78010);
    EXPECT_FALSE(reader.skip(100000));
    ASSERT_TRUE(reader.readExact(got.data(), 5));
    EXPECT_EQ(got[0], data[78010]);
  }
  EXPECT_EQ(in.position(), 78015);
}
