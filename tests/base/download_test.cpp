// Downloading through wininet from a one-shot HTTP server on the loopback interface.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "base/file_ops.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

// Answers exactly one HTTP request with `body`, then closes.
class OneShotServer {
 public:
  explicit OneShotServer(std::string body) : body_(std::move(body)) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    int len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    listen(listener_, 1);
    thread_ = std::thread([this] { serve(); });
  }
  ~OneShotServer() {
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }
  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/update.ini"; }

 private:
  void serve() {
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::string request;
    char buf[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      int n = recv(client, buf, sizeof buf, 0);
      if (n <= 0) break;
      request.append(buf, n);
    }
    std::string reply =
        "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n"
        "Content-Length: " +
        std::to_string(body_.size()) + "\r\n\r\n" + body_;
    for (size_t sent = 0; sent < reply.size();) {
      int n = send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  std::string body_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::thread thread_;
};

}  // namespace

TEST(Download, WritesTheWholeBodyToTheFile) {
  test::ScratchFolder dir('D');
  std::string body;
  for (int i = 0; i < 5000; ++i) body += static_cast<char>('a' + i % 26);  // several 1 KB reads
  OneShotServer server(body);
  ASSERT_TRUE(test::writeFile(dir / "update.ini", std::string(10000, 'o')));  // truncated first
  EXPECT_TRUE(download(server.url(), dir / "update.ini"));
  EXPECT_EQ(test::readFile(dir / "update.ini"), body);
}

TEST(Download, RaisesAndLeavesNoPartialFile) {
  test::ScratchFolder dir('D');
  EXPECT_THROW(download("http://127.0.0.1:1/none", dir / "x.ini"), std::runtime_error);
  EXPECT_FALSE(fileExists(dir / "x.ini"));
  OneShotServer server("body");
  EXPECT_THROW(download(server.url(), dir / "no folder\\x.ini"), std::runtime_error);
}
