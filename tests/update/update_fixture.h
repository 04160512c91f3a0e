// A sandbox for update-check tests: a data folder, a temporary folder and a program folder under
// one scratch folder that also holds a sentinel file outside them, a loopback server as the
// update location, and the engine set up over them with the real downloads.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/http_server.h"
#include "support/scratch.h"
#include "update/kv_update.h"

namespace scrubwell::test {

// The first bytes of a program file: "MZ", the new-header offset and "PE\0\0", padded to `size`.
inline std::string programBytes(size_t size = 4096, char fill = 'p') {
  std::string img(size, fill);
  img.replace(0, 2, "MZ");
  img.replace(0x3C, 4, std::string("\x80\0\0\0", 4));
  img.replace(0x80, 4, std::string("PE\0\0", 4));
  return img;
}

class UpdateFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    ASSERT_TRUE(makeFolders(data) && makeFolders(temp) && makeFolders(programFolder));
    ASSERT_TRUE(writeFile(sentinel, "keep"));
    ASSERT_TRUE(writeFile(programFolder + "Scrubwell.exe", programBytes()));
  }
  void TearDown() override { EXPECT_EQ(readFile(sentinel), "keep") << "outside the data folder"; }

  // The local description with the loopback server as its location and these [versions] lines.
  void localDescription(const std::string& versions, const std::string& more = {}) {
    ASSERT_TRUE(writeFile(data + "update.ini", "[updateinfo]\r\nupdateurl=" + server.baseUrl() +
                                                   "\r\n[versions]\r\n" + versions + more));
  }
  // The published description: threshold 8.10, `files` listed in order, then `rest`.
  void publish(const std::vector<std::string>& files, const std::string& rest,
               const std::string& threshold = "reinstallIfOlderThen=8.10\r\n") {
    std::string text = "[updateinfo]\r\n" + threshold +
                       "[files]\r\nnumber=" + std::to_string(files.size()) + "\r\n";
    for (size_t i = 0; i < files.size(); ++i)
      text += "file" + std::to_string(i + 1) + "=" + files[i] + "\r\n";
    server.serve("/update.ini", text + rest);
  }
  UpdateSetup setup() {
    UpdateSetup s;
    s.dataFolder = data;
    s.tempFolder = temp;
    s.programFile = programFolder + "Scrubwell.exe";
    s.currentVersion = "8.75";
    s.download = [](const std::string& a, const std::string& f) { return downloadWhole(a, f); };
    s.log = [this](const std::string& line) { logged.push_back(line); };
    return s;
  }
  std::vector<std::string> fetched() const { return server.requests(); }

  ScratchFolder root{'D', "upd"};
  const std::string data = root / "data\\";
  const std::string temp = root / "temp\\";
  const std::string programFolder = root / "Program Files\\Scrubwell\\";
  const std::string sentinel = root / "sentinel.txt";
  LoopbackHttpServer server;
  std::vector<std::string> logged;
};

}  // namespace scrubwell::test
