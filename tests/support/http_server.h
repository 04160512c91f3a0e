// A scripted HTTP server on 127.0.0.1 for tests and benchmarks: an ephemeral port, each path with
// its own status, headers, body, cut-off and delay, every request recorded. It answers one
// connection at a time on its own thread and stops when destroyed or, at the latest, when its
// lifetime has passed, so a test that hangs never leaves it listening.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace scrubwell::test {

struct HttpReply {
  HttpReply(int status = 200, std::string body = {}, std::vector<std::string> headers = {})
      : status(status), body(std::move(body)), headers(std::move(headers)) {}
  int status = 200;
  std::string body;
  std::vector<std::string> headers;     // extra header lines, e.g. "Content-Type: text/html"
  bool announceLength = true;           // send Content-Length
  int64_t announcedLength = -1;         // the Content-Length sent; -1: the body's size
  size_t cutAfter = std::string::npos;  // close the connection after this many body bytes
  DWORD delayMs = 0;                    // wait before answering
};

class LoopbackHttpServer {
 public:
  explicit LoopbackHttpServer(DWORD lifetimeMs = 120000);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // Serves `reply` for `path` (starting with "/"); paths not set answer 404.
  void serve(const std::string& path, HttpReply reply);
  void serve(const std::string& path, const std::string& body) {
    serve(path, HttpReply{200, body});
  }
  // "http://127.0.0.1:PORT/"
  std::string baseUrl() const;
  // The paths requested so far, in order.
  std::vector<std::string> requests() const;
  bool listening() const { return listener_ != ~uintptr_t(0); }

 private:
  void run(DWORD lifetimeMs);
  void answer(uintptr_t client);

  uintptr_t listener_ = ~uintptr_t(0);
  unsigned short port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::map<std::string, HttpReply> replies_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace scrubwell::test
