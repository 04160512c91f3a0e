// The scripted loopback HTTP server of the tests.
#include <winsock2.h>

#include "support/http_server.h"

namespace scrubwell::test {
namespace {

bool sendAll(SOCKET s, const char* data, size_t size) {
  while (size > 0) {
    int n = send(s, data, static_cast<int>(std::min<size_t>(size, 1 << 20)), 0);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

const char* reason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    default:
      return "Status";
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(DWORD lifetimeMs) {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // never any other interface
  addr.sin_port = 0;                              // an ephemeral port
  int len = sizeof addr;
  if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0 || listen(s, 8) != 0) {
    if (s != INVALID_SOCKET) closesocket(s);
    return;
  }
  listener_ = s;
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this, lifetimeMs] { run(lifetimeMs); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (listening()) closesocket(static_cast<SOCKET>(listener_));
  WSACleanup();
}

void LoopbackHttpServer::serve(const std::string& path, HttpReply reply) {
  std::lock_guard<std::mutex> lock(mutex_);
  replies_[path] = std::move(reply);
}

std::string LoopbackHttpServer::baseUrl() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::vector<std::string> LoopbackHttpServer::requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void LoopbackHttpServer::run(DWORD lifetimeMs) {
  const DWORD start = GetTickCount();
  const SOCKET listener = static_cast<SOCKET>(listener_);
  while (!stop_ && GetTickCount() - start < lifetimeMs) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener, &ready);
    timeval wait{0, 50000};
    if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
    SOCKET client = accept(listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    // A client that stops talking must not hold the server (and the test's end) for long.
    DWORD timeout = 2000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof timeout);
    answer(client);
  }
}

void LoopbackHttpServer::answer(uintptr_t handle) {
  const SOCKET client = static_cast<SOCKET>(handle);
  std::string request;
  char buf[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    int n = recv(client, buf, sizeof buf, 0);
    if (n <= 0) break;
    request.append(buf, n);
  }
  // "GET /path HTTP/1.1": the path, without a query.
  std::string path;
  size_t sp = request.find(' ');
  if (sp != std::string::npos) path = request.substr(sp + 1, request.find(' ', sp + 1) - sp - 1);
  path = path.substr(0, path.find('?'));
  HttpReply reply{404, "<html><body>Not Found</body></html>", {"Content-Type: text/html"}};
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(path);
    auto it = replies_.find(path);
    if (it != replies_.end()) reply = it->second;
  }
  if (reply.delayMs) Sleep(reply.delayMs);
  std::string head =
      "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) + "\r\n";
  if (reply.announceLength)
    head += "Content-Length: " +
            std::to_string(reply.announcedLength >= 0 ? reply.announcedLength
                                                      : static_cast<int64_t>(reply.body.size())) +
            "\r\n";
  for (const auto& h : reply.headers) head += h + "\r\n";
  head += "Connection: close\r\n\r\n";
  const size_t bodyBytes = std::min(reply.cutAfter, reply.body.size());
  if (sendAll(client, head.data(), head.size())) sendAll(client, reply.body.data(), bodyBytes);
  shutdown(client, SD_SEND);
  // Let the client read to the end before the socket goes, so it sees a clean close.
  while (recv(client, buf, sizeof buf, 0) > 0) {
  }
  closesocket(client);
}

}  // namespace scrubwell::test
