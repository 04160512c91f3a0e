// Block compression: reused zlib streams give the same bytes as a fresh stream per block, blocks
// that do not shrink are stored, and the decoder accepts only one whole stream of one block.
#include "backup/block_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backup/archive_format.h"
#include "backup_test_data.h"

using namespace scrubwell;
using archive::kBlockSize;
using Bytes = std::vector<uint8_t>;

namespace {

// The reference: a fresh stream for one block, set up exactly as the archive format demands.
Bytes freshDeflate(const Bytes& piece, int level, int* result) {
  z_stream s{};
  Bytes out(kBlockSize);
  EXPECT_EQ(deflateInit2(&s, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY), Z_OK);
  s.next_in = const_cast<Bytef*>(piece.data());
  s.avail_in = static_cast<uInt>(piece.size());
  s.next_out = out.data();
  s.avail_out = static_cast<uInt>(out.size());
  *result = deflate(&s, Z_FINISH);
  out.resize(kBlockSize - s.avail_out);
  deflateEnd(&s);
  return out;
}

Bytes encoded(BlockEncoder& encoder, const Bytes& piece, int32_t* length) {
  Bytes out(kBlockSize);
  *length = encoder.encode(piece.data(), piece.size(), out.data());
  out.resize(*length > 0 ? static_cast<size_t>(*length) : 0);
  return out;
}

}  // namespace

TEST(BlockEncoder, ReusedStreamMatchesAFreshStreamForEveryBlock) {
  // Mixed pieces in one sequence, so each block follows blocks of other kinds and sizes.
  std::vector<Bytes> pieces = {test::textBytes(kBlockSize, 1),  test::randomBytes(kBlockSize, 2),
                               test::textBytes(1, 3),           Bytes(kBlockSize, 0),
                               test::randomBytes(100, 4),       test::textBytes(kBlockSize - 1, 5),
                               test::mixedBytes(kBlockSize, 6), test::textBytes(7000, 7)};
  for (int level : {1, 0, Z_DEFAULT_COMPRESSION, 9}) {
    BlockEncoder encoder(level);
    for (size_t i = 0; i < pieces.size(); ++i) {
      int32_t length = 0;
      Bytes mine = encoded(encoder, pieces[i], &length);
      int result = 0;
      Bytes reference = freshDeflate(pieces[i], level, &result);
      if (result == Z_STREAM_END) {
        EXPECT_EQ(length, static_cast<int32_t>(reference.size())) << level << " " << i;
        EXPECT_EQ(mine, reference) << "level " << level << ", piece " << i;
      } else {
        EXPECT_EQ(result, Z_OK);
        EXPECT_EQ(length, -static_cast<int32_t>(pieces[i].size())) << level << " " << i;
      }
    }
  }
}

TEST(BlockEncoder, PiecesThatDoNotShrinkAreStored) {
  BlockEncoder best(9);
  int32_t length = 0;
  encoded(best, test::randomBytes(kBlockSize, 9), &length);
  EXPECT_EQ(length, -static_cast<int32_t>(kBlockSize));

  // Level 0 wraps the piece in stored deflate blocks: a full piece no longer fits one block, a
  // short last piece still does and becomes a positive-length stream.
  BlockEncoder none(archive::zlibLevel(clNone));
  encoded(none, test::textBytes(kBlockSize, 1), &length);
  EXPECT_EQ(length, -static_cast<int32_t>(kBlockSize));
  Bytes small = test::textBytes(300, 1);
  Bytes stream = encoded(none, small, &length);
  EXPECT_GT(length, 300);
  BlockDecoder decoder;
  Bytes out(kBlockSize);
  ASSERT_EQ(decoder.decode(stream.data(), stream.size(), out.data()), 300);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 300), small);
}

TEST(BlockDecoder, InflatesFullBlocksAndRejectsEverythingElse) {
  BlockEncoder encoder(9);
  BlockDecoder decoder;
  Bytes out(kBlockSize);
  Bytes full = test::textBytes(kBlockSize, 11);
  int32_t length = 0;
  Bytes stream = encoded(encoder, full, &length);
  ASSERT_GT(length, 0);
  ASSERT_EQ(decoder.decode(stream.data(), stream.size(), out.data()), int32_t(kBlockSize));
  EXPECT_EQ(out, full);

  // More output than one block: a zlib stream of 16385 zero bytes.
  int result = 0;
  Bytes tooLong = freshDeflate(Bytes(kBlockSize + 1, 0), 9, &result);
  ASSERT_EQ(result, Z_STREAM_END);
  EXPECT_EQ(decoder.decode(tooLong.data(), tooLong.size(), out.data()), -1);
  Bytes roomy(4 * kBlockSize);
  EXPECT_EQ(decoder.decode(tooLong.data(), tooLong.size(), roomy.data(), roomy.size()), -1)
      << "more room in the buffer does not make a longer block acceptable";

  EXPECT_EQ(decoder.decode(stream.data(), stream.size() - 1, out.data()), -1) << "cut short";
  Bytes trailing = stream;
  trailing.push_back(0);
  EXPECT_EQ(decoder.decode(trailing.data(), trailing.size(), out.data()), -1) << "bytes after";
  Bytes flipped = stream;
  flipped[flipped.size() / 2] ^= 0x10;
  EXPECT_EQ(decoder.decode(flipped.data(), flipped.size(), out.data()), -1) << "checksum";
  Bytes garbage = test::randomBytes(64, 12);
  EXPECT_EQ(decoder.decode(garbage.data(), garbage.size(), out.data()), -1);
  EXPECT_EQ(decoder.decode(stream.data(), 0, out.data()), -1);

  // A failed block leaves the decoder usable for the next one.
  ASSERT_EQ(decoder.decode(stream.data(), stream.size(), out.data()), int32_t(kBlockSize));
  EXPECT_EQ(out, full);
}
