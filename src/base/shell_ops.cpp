// Opening documents and addresses, the folder browser, registry strings and downloads.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <stdexcept>

#include "base/data_folder.h"
#include "base/file_ops.h"
#include "platform/handles.h"
#include "platform/message_pump.h"
#include "platform/seams.h"

namespace scrubwell {
bool openDocument(const std::string& path, const std::string& parameters) {
  return fileExists(path) && openAddress(path, parameters);
}

bool openAddress(const std::string& address, const std::string& parameters) {
  return launcher().open(address, parameters, {}, SW_SHOW);
}

bool browseForFolder(HWND owner, const std::string& prompt, std::string& path) {
  return prompts().browseForFolder(owner, prompt, path);
}

std::string readRegistryString(HKEY root, const std::string& key, const std::string& valueName) {
  RegKey k;
  // Create the key when it is missing; where that is not allowed, read it as it is.
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_READ, nullptr, k.put(), nullptr) !=
          ERROR_SUCCESS &&
      RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS)
    return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > 1024 * 1024)
    return {};
  std::string value(size + 1, '\0');
  if (RegQueryValueExA(k.get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return {};
  value.resize(std::min<size_t>(size, value.size()));
  // Stored strings normally carry their terminator; cut at the first NUL either way.
  return value.substr(0, value.find('\0'));
}

bool download(const std::string& address, const std::string& file) {
  const std::string program = programFile();
  const std::string programFileName = program.substr(program.find_last_of('\\') + 1);
  InternetHandle session(
      InternetOpenA(programFileName.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) throw std::runtime_error("Cannot open an Internet session");
  InternetHandle url(InternetOpenUrlA(session.get(), address.c_str(), nullptr, 0,
                                      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!url) throw std::runtime_error("Cannot open \"" + address + "\"");
  FileHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) throw std::runtime_error("Cannot create \"" + file + "\"");
  auto fail = [&](const std::string& what) {
    out.reset();
    DeleteFileA(file.c_str());
    throw std::runtime_error(what);
  };
  char buf[1024];
  PumpSlice pump;
  for (;;) {
    pump();
    DWORD got = 0;
    if (!InternetReadFile(url.get(), buf, sizeof buf, &got))
      fail("Cannot read \"" + address + "\"");
    if (got == 0) break;
    DWORD written = 0;
    if (!WriteFile(out.get(), buf, got, &written, nullptr) || written != got)
      fail("Cannot write \"" + file + "\"");
  }
  return true;
}

}  // namespace scrubwell
