// File and folder tests, copies, sizes of single files, text reading and the temporary and
// Windows folders.
#include "base/file_ops.h"

#include <algorithm>
#include <stdexcept>

#include "base/text_lines.h"
#include "platform/long_path.h"
#include "platform/find.h"
#include "platform/handles.h"
#include "platform/text_trim.h"

namespace scrubwell {

std::string systemMessage(unsigned long code) {
  char buf[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, buf, sizeof buf, nullptr);
  std::string text(trimmedEnd(std::string_view(buf, n), "\r\n "));
  return text.empty() ? "error " + std::to_string(code) : text;
}

namespace {

[[noreturn]] void failWith(const std::string& what, const std::string& path) {
  throw std::runtime_error(what + " \"" + path + "\": " + systemMessage(GetLastError()));
}

std::string withoutOneBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

bool hasWildcard(std::string_view path) {
  return path.find_first_of("?*") != std::string_view::npos;
}

bool fileExists(const std::string& path) {
  DWORD a = pathAttributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void copyFileByStream(const std::string& source, const std::string& destination) {
  FileHandle in(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!in) failWith("Cannot open", source);
  FileHandle out(CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) failWith("Cannot create", destination);
  char buf[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(in.get(), buf, sizeof buf, &got, nullptr)) failWith("Cannot read", source);
    if (got == 0) break;
    DWORD written = 0;
    if (!WriteFile(out.get(), buf, got, &written, nullptr) || written != got)
      failWith("Cannot write", destination);
  }
}

bool copyFile(const std::string& source, const std::string& destination) {
  return CopyFileA(source.c_str(), destination.c_str(), FALSE) != FALSE;
}

int64_t fileSize(const std::string& path) {
  FindFiles find(path, 63);
  return find.next() ? find.size() : -1;
}

int64_t systemFileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!pathAttributeData(path, d)) return -1;
  if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return fileSizeOf(d);
}

bool readFileBytes(const std::string& path, std::string& content, size_t maxBytes) {
  content.clear();
  FileHandle in(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!in) return false;
  char buf[65536];
  while (content.size() < maxBytes) {
    DWORD want = static_cast<DWORD>(std::min(sizeof buf, maxBytes - content.size()));
    DWORD got = 0;
    if (!ReadFile(in.get(), buf, want, &got, nullptr)) return false;
    if (got == 0) break;
    content.append(buf, got);
  }
  return true;
}

bool writeWholeFile(const std::string& path, const std::string& content) {
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
            written == content.size() && FlushFileBuffers(out);
  ok = CloseHandle(out) && ok;
  if (!ok) DeleteFileA(path.c_str());
  return ok;
}

std::vector<std::string> readLines(const std::string& path, size_t maxBytes) {
  std::string content;
  if (!readFileBytes(path, content, maxBytes)) return {};
  return splitLines(content);
}

void createMarkerFile(const std::string& path) {
  FileHandle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return;
  DWORD written = 0;
  WriteFile(f.get(), "0", 1, &written, nullptr);
}

bool folderExists(const std::string& path) {
  if (path.empty()) return false;
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const std::string& path) {
  FindFiles find(withoutOneBackslash(path), 63);
  return find.next() && !find.isDots() && find.isDirectory();
}

bool isEmptyFolder(const std::string& path) {
  std::string folder = withoutOneBackslash(path);
  // Network paths are never taken for empty (and are not even looked at).
  if (folder.rfind("//", 0) == 0 || folder.rfind("\\\\", 0) == 0) return false;
  if (!isFolder(folder)) return false;
  FindFiles find(folder + "\\*.*", 63);
  for (int examined = 0; examined < 3 && find.next(); ++examined)
    if (!find.isDots()) return false;
  return true;
}

std::string temporaryFolder() {
  char buf[256] = {};
  DWORD n = ExpandEnvironmentStringsA("%TEMP%", buf, 255);
  if (n == 0 || n > 255) return {};
  std::string folder = buf;
  return !folder.empty() && folderExists(folder) ? folder : std::string();
}

std::string temporaryFolderStrict() {
  char previous[MAX_PATH] = {};
  DWORD n = GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA("C:\\");
  std::string folder = temporaryFolder();
  if (n > 0 && n < MAX_PATH) SetCurrentDirectoryA(previous);
  return folder == "C:" ? std::string() : folder;
}

std::string windowsFolder() {
  char buf[MAX_PATH] = {};
  UINT n = GetWindowsDirectoryA(buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return withoutOneBackslash(std::string(buf, n));
}

}  // namespace scrubwell
