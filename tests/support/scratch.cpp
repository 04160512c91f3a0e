// Scratch folders on the test drives and small file helpers for tests under Wine.
#include "support/scratch.h"

#include <vector>

#include "platform/path_text.h"

namespace scrubwell::test {

ScratchFolder::ScratchFolder(char drive, const std::string& prefix) {
  static unsigned counter = 0;
  for (;;) {
    std::string p = std::string(1, drive) + ":\\" + prefix + "-" +
                    std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    if (CreateDirectoryA(p.c_str(), nullptr)) {
      path_ = p;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      path_ = p;  // the test will fail on its first file operation and say where
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

bool makeFolders(const std::string& path) {
  std::string p = path;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  if (p.size() <= 2) return true;
  if (folderExists(p)) return true;
  auto cut = p.find_last_of('\\');
  if (cut != std::string::npos && !makeFolders(p.substr(0, cut))) return false;
  return CreateDirectoryA(p.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

namespace {

// The host (Unix) path of a Windows path, through Wine's own converter; empty when there is none.
std::string hostPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  auto toUnix = reinterpret_cast<ToUnix>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
  if (!toUnix) return {};
  std::wstring wide(path.begin(), path.end());
  char* unixPath = toUnix(wide.c_str());
  if (!unixPath) return {};
  std::string out = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return out;
}

}  // namespace

bool makeFolderLink(const std::string& link, const std::string& target) {
  // Wine answers CreateSymbolicLink with success without making a link, so the link is made on
  // the host, where Wine shows it as a reparse point as Windows shows a junction.
  std::string to = target;
  while (to.size() > 3 && to.back() == '\\') to.pop_back();
  const std::string hostTarget = hostPath(to);
  std::string hostLink = hostPath(link);
  if (hostTarget.empty() || hostLink.empty()) return false;
  std::string command = "/bin/ln -s \"" + hostTarget + "\" \"" + hostLink + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // A host program started this way cannot be waited for: look for the link for up to 10 s.
  for (int tries = 0; tries < 1000; ++tries) {
    const DWORD attributes = GetFileAttributesA(link.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
      return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    Sleep(10);
  }
  return false;
}

bool makeSparseFile(const std::string& path, int64_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = size;
  const bool ok = SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

bool writeFile(const std::string& path, const std::string& content) {
  auto cut = path.find_last_of('\\');
  if (cut != std::string::npos) makeFolders(path.substr(0, cut));
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = content.empty() ||
            WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == content.size();
}

bool writePatternFile(const std::string& path, uint64_t size, uint32_t seed) {
  auto cut = path.find_last_of('\\');
  if (cut != std::string::npos) makeFolders(path.substr(0, cut));
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::vector<char> buf(65536);
  uint32_t x = seed * 2654435761u + 1;
  bool ok = true;
  for (uint64_t done = 0; ok && done < size;) {
    size_t n = static_cast<size_t>(size - done < buf.size() ? size - done : buf.size());
    for (size_t i = 0; i < n; ++i) {
      x ^= x << 13;
      x ^= x >> 17;
      x ^= x << 5;
      buf[i] = static_cast<char>(x);
    }
    DWORD w = 0;
    ok = WriteFile(h, buf.data(), static_cast<DWORD>(n), &w, nullptr) && w == n;
    done += n;
  }
  CloseHandle(h);
  return ok;
}

std::string readFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string out;
  char buf[65536];
  DWORD n = 0;
  while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
  CloseHandle(h);
  return out;
}

bool fileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
  std::string p = path;
  if (p.size() > 3 && p.back() == '\\') p.pop_back();
  DWORD a = GetFileAttributesA(p.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void removeTree(const std::string& path) {
  if (path.size() <= 3) return;  // never a drive root
  const std::string dir = withTrailingBackslash(path);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A link goes by itself; what it points to is not ours to delete.
        if (!RemoveDirectoryA(full.c_str())) DeleteFileA(full.c_str());
      } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(dir.c_str());
}

std::string runFolder() {
  char buf[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("SCRUBWELL_RUN_DIR", buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::string p = std::string("Z:") + buf;
  for (char& c : p)
    if (c == '/') c = '\\';
  return withTrailingBackslash(p);
}

std::string runTrashFolder() {
  char buf[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("XDG_DATA_HOME", buf, MAX_PATH);
  const std::string run = runFolder();
  if (n == 0 || n >= MAX_PATH || run.empty()) return {};
  std::string trash = std::string("Z:") + buf + "/Trash/files/";
  for (char& c : trash)
    if (c == '/') c = '\\';
  const std::string own = run + "home\\.local\\share\\Trash\\files\\";
  return lstrcmpiA(trash.c_str(), own.c_str()) == 0 ? own : std::string();
}

SYSTEMTIME localTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME t{};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wHour = hour;
  t.wMinute = minute;
  t.wSecond = second;
  return t;
}

bool setLastWrite(const std::string& path, const SYSTEMTIME& local) {
  FILETIME lf, utc;
  if (!SystemTimeToFileTime(&local, &lf) || !LocalFileTimeToFileTime(&lf, &utc)) return false;
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = SetFileTime(h, nullptr, nullptr, &utc) != 0;
  CloseHandle(h);
  return ok;
}

ULONGLONG lastWriteTicks(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return 0;
  return (ULONGLONG(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
}

EnvironmentVariable::EnvironmentVariable(std::string name, const std::string& value)
    : name_(std::move(name)) {
  char old[32768] = {};
  const DWORD n = GetEnvironmentVariableA(name_.c_str(), old, sizeof old);
  had_ = n > 0 && n < sizeof old;
  if (had_) old_.assign(old, n);
  SetEnvironmentVariableA(name_.c_str(), value.c_str());
}

EnvironmentVariable::~EnvironmentVariable() {
  SetEnvironmentVariableA(name_.c_str(), had_ ? old_.c_str() : nullptr);
}

}  // namespace scrubwell::test
