// Fuzz target over the backup archive reader: walks an archive of arbitrary bytes record by
// record, unpacking every data run once and skipping it once, as restore and the archive
// information do, and turns the header and the file-ID list into the backup window's lines;
// the sanitizers catch any overrun.
#include <cstdint>
#include <string>
#include <vector>

#include "backup/archive_format.h"
#include "backup/archive_reader.h"
#include "backup/point_text.h"
#include "base/text_lines.h"

using namespace scrubwell;

namespace {

// Counts what a restore would write, keeping nothing.
class DiscardStream final : public ArchiveStream {
 public:
  int64_t read(void*, size_t) override { return 0; }
  bool write(const void*, size_t count) override {
    size_ += static_cast<int64_t>(count);
    return true;
  }
  bool seek(int64_t position) override { return position == size_; }
  int64_t position() const override { return size_; }
  int64_t size() const override { return size_; }

 private:
  int64_t size_ = 0;
};

void walk(const uint8_t* data, size_t size, bool unpack) {
  MemoryStream in(std::vector<uint8_t>(data, data + size));
  ArchiveReader reader(in);
  ArchiveHeader header;
  if (reader.readHeader(header) != ReadResult::ok) return;
  pointDisplayLine(header.title, header.fileCount, header.totalBytes, "files");
  for (int records = 0; records < 100000; ++records) {
    std::string name;
    if (reader.readName(name) != ReadResult::ok || name.empty()) return;
    if (archive::startsWithNextDisk(name)) {
      archive::spanRecordDisk(name);
      return;  // the set would continue in another file
    }
    archive::isPlainAbsolutePath(name);
    int32_t date = 0;
    if (reader.readInt32(date) != ReadResult::ok) return;
    MemoryStream list;
    list.setLimit(archive::kMaxFileListBytes);
    DiscardStream discard;
    ArchiveStream* target = !unpack                          ? nullptr
                            : name == archive::kFileListName ? static_cast<ArchiveStream*>(&list)
                                                             : &discard;
    if (reader.readRun(target, [](size_t) { return true; }) != ReadResult::ok) return;
    if (target == &list) {
      const auto& bytes = list.bytes();
      for (const std::string& line : splitLines(
               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
        pathOfFileListLine(fileListLine(line));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  walk(data, size, true);
  walk(data, size, false);
  return 0;
}
