// The "\\?\" form of full drive paths and the file calls that take it.
#include "platform/long_path.h"

namespace scrubwell {
namespace {

bool isFullDrivePath(const std::string& path) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\' || path.find('/') != std::string::npos)
    return false;
  for (size_t at = 2; at < path.size();) {
    size_t end = path.find('\\', at + 1);
    std::string part = path.substr(at + 1, end == std::string::npos ? end : end - at - 1);
    if (part == "." || part == "..") return false;
    at = end == std::string::npos ? path.size() : end;
  }
  return true;
}

}  // namespace

std::wstring systemPath(const std::string& path) {
  int n = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), n);
  return isFullDrivePath(path) ? L"\\\\?\\" + wide : wide;
}

HANDLE openPath(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                DWORD flags) {
  return CreateFileW(systemPath(path).c_str(), access, share, nullptr, disposition, flags, nullptr);
}

DWORD pathAttributes(const std::string& path) {
  return GetFileAttributesW(systemPath(path).c_str());
}

bool pathAttributeData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return GetFileAttributesExW(systemPath(path).c_str(), GetFileExInfoStandard, &data) != FALSE;
}

bool setPathAttributes(const std::string& path, DWORD attributes) {
  return SetFileAttributesW(systemPath(path).c_str(), attributes) != FALSE;
}

bool deletePath(const std::string& path) { return DeleteFileW(systemPath(path).c_str()) != FALSE; }

bool movePath(const std::string& from, const std::string& to, DWORD flags) {
  return MoveFileExW(systemPath(from).c_str(), systemPath(to).c_str(), flags) != FALSE;
}

bool createFolderPath(const std::string& path) {
  return CreateDirectoryW(systemPath(path).c_str(), nullptr) != FALSE;
}

bool needsSystemPath(const std::string& path) {
  return path.size() >= MAX_PATH || (!path.empty() && (path.back() == '.' || path.back() == ' '));
}

}  // namespace scrubwell
