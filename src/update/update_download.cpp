// The whole-or-nothing download of the update check.
#include "update/update_download.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include "base/texts.h"
#include "platform/file_rename.h"
#include "platform/handles.h"
#include "platform/message_pump.h"
#include "platform/path_text.h"
#include "update/download_rules.h"

namespace scrubwell {
namespace {

constexpr DWORD kReadPiece = 64 * 1024;

// A numeric answer of HttpQueryInfoA as text; empty when the header is missing.
std::string queryText(HINTERNET request, DWORD what) {
  char buf[1025] = {};
  DWORD size = sizeof buf - 1;
  if (!HttpQueryInfoA(request, what, buf, &size, nullptr)) return {};
  return std::string(buf, std::min<DWORD>(size, sizeof buf - 1));
}

std::string progressText(const std::string& name, int64_t received, int64_t total) {
  int64_t percent = percentReceived(received, total);
  if (total <= 0 || percent > 100)
    return tr(313) + ": " + name + " (" + std::to_string(received / 1024) + "kb)...";
  return tr(313) + ": " + name + " (" + std::to_string(percent) + "%)...";
}

}  // namespace

DownloadResult downloadWhole(const std::string& address, const std::string& file,
                             const DownloadCallbacks& cb) {
  auto show = [&](const std::string& text) {
    if (cb.status) cb.status(text);
  };
  auto stop = [&] { return cb.cancelled && cb.cancelled(); };
  const std::string name = fileNameOf(file);
  show(tr(314) + " (" + name + ")...");

  InternetHandle session(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return DownloadResult::Failed;
  InternetHandle request(InternetOpenUrlA(
      session.get(), address.c_str(), nullptr, 0,
      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0));
  if (!request) return DownloadResult::Failed;
  // Only an HTTP 200 is the file; anything else (an error page, a redirect's body) is not.
  const std::string statusText = queryText(request.get(), HTTP_QUERY_STATUS_CODE);
  if (statusText != "200") return DownloadResult::Failed;
  const int64_t total = announcedLength(queryText(request.get(), HTTP_QUERY_CONTENT_LENGTH));

  const std::string part = file + ".part";
  FileHandle out(CreateFileA(part.c_str(), GENERIC_WRITE | kRenameWhileOpenAccess, 0, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return DownloadResult::Failed;
  auto discard = [&](DownloadResult r) {
    out.reset();
    DeleteFileA(part.c_str());
    return r;
  };

  show(tr(313) + ": " + name + "...");
  std::vector<char> buf(kReadPiece);
  std::string head;  // the first bytes, for the executable header
  int64_t received = 0;
  PumpSlice pump;
  DWORD lastShown = GetTickCount();
  for (;;) {
    pump();
    if (stop()) return discard(DownloadResult::Cancelled);
    DWORD got = 0;
    if (!InternetReadFile(request.get(), buf.data(), kReadPiece, &got))
      return discard(DownloadResult::Failed);
    if (got == 0) break;
    if (head.size() < kExecutableHeaderBytes)
      head.append(buf.data(), std::min<size_t>(got, kExecutableHeaderBytes - head.size()));
    DWORD written = 0;
    if (!WriteFile(out.get(), buf.data(), got, &written, nullptr) || written != got)
      return discard(DownloadResult::Failed);
    received += got;
    // More than announced cannot become whole; stop reading a body that does not end.
    if (total >= 0 && received > total) return discard(DownloadResult::Failed);
    if (GetTickCount() - lastShown >= 100) {
      lastShown = GetTickCount();
      show(progressText(name, received, total));
    }
  }
  if (!isWholeDownload(200, total, received) ||
      (isExecutableName(name) && !looksLikeExecutable(head)))
    return discard(DownloadResult::Failed);
  if (!closeAndRename(out, part, file)) return discard(DownloadResult::Failed);
  show(tr(313) + ": " + name + ".");
  return DownloadResult::Done;
}

}  // namespace scrubwell
