// The registry cleaner against the bare work in the same run: the full check over planted keys
// (10,000 file-type pairs, 10 % of them invalid, 500 application paths, 1,000 font values and
// 5,000 shared-DLL values) against a plain enumeration of the same keys with the same file
// probes; and the export of a key of 20,000 mixed values and one 1 MiB binary value against
// reading the same values. Plants into the registry of the throwaway prefix it runs in.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/message_pump.h"
#include "registry/registry_export.h"
#include "registry/registry_scan.h"
#include "scan/bench_timer.h"

using namespace scrubwell;
using scrubwell::bench::Stopwatch;

namespace {

const std::string kExisting = "C:\\windows\\system32\\kernel32.dll";

void setString(HKEY root, const std::string& key, const std::string& name, const std::string& v) {
  HKEY k;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
    return;
  RegSetValueExA(k, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(v.c_str()), static_cast<DWORD>(v.size() + 1));
  RegCloseKey(k);
}

void setRaw(HKEY k, const std::string& name, DWORD type, const std::string& bytes) {
  RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
}

// Only the file types hold invalid entries: every tenth but the first ten, so that their 990
// findings and the few of the prefix itself stay under the cap of 1000 and the check examines
// every planted key as the bare work does.
void plant() {
  for (int i = 0; i < 10000; ++i) {
    const std::string n = std::to_string(i);
    setString(HKEY_CLASSES_ROOT, ".zb" + n, "", "zbfile" + n);
    const bool invalid = i % 10 == 0 && i >= 100;
    const std::string program = invalid ? "C:\\zz\\gone\\viewer" + n + ".exe" : kExisting;
    setString(HKEY_CLASSES_ROOT, "zbfile" + n + "\\shell\\open\\command", "",
              "\"" + program + "\" \"%1\"");
  }
  for (int i = 0; i < 500; ++i)
    setString(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\zb" + std::to_string(i) + ".exe",
              "", kExisting);
  for (int i = 0; i < 1000; ++i)
    setString(HKEY_LOCAL_MACHINE, kFontsKey, "Zb Font " + std::to_string(i), kExisting);
  HKEY dlls;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDllsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &dlls,
                  nullptr);
  CreateDirectoryA("C:\\zb", nullptr);
  for (int i = 0; i < 5000; ++i) {
    const std::string dll = "C:\\zb\\shared" + std::to_string(i) + ".dll";
    CloseHandle(CreateFileA(dll.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    setRaw(dlls, dll, REG_DWORD, std::string(4, '\1'));
  }
  RegCloseKey(dlls);
  setString(HKEY_CURRENT_USER, kShellFoldersKey, "Fonts", "C:\\windows\\Fonts");
}

// A key's default string through the wide functions, below an open key.
std::wstring readDefault(HKEY parent, const std::wstring& path) {
  HKEY k;
  if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &k)) return {};
  wchar_t buf[1024];
  DWORD size = sizeof buf, type = 0;
  std::wstring v;
  if (!RegQueryValueExW(k, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) &&
      (type == REG_SZ || type == REG_EXPAND_SZ))
    v.assign(buf, size / 2 ? size / 2 - 1 : 0);
  RegCloseKey(k);
  return v;
}

bool exists(const std::wstring& p) {
  return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring wide(const char* s) { return std::wstring(s, s + strlen(s)); }

// The same keys, values and file probes with no rules, no texts and no findings.
size_t bareWork() {
  size_t seen = 0;
  PumpSlice pump;
  wchar_t name[1024];
  HKEY k;
  if (!RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(kAppPathsKey).c_str(), 0, KEY_READ, &k)) {
    for (DWORD i = 0;; ++i, pump()) {
      DWORD n = 1024;
      if (RegEnumKeyExW(k, i, name, &n, nullptr, nullptr, nullptr, nullptr)) break;
      seen += exists(readDefault(k, name));
    }
    RegCloseKey(k);
  }
  for (const char* key : {kFontsKey, kSharedDllsKey}) {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(key).c_str(), 0, KEY_READ, &k)) continue;
    for (DWORD i = 0;; ++i, pump()) {
      DWORD n = 1024;
      wchar_t data[1024];
      DWORD size = sizeof data;
      if (RegEnumValueW(k, i, name, &n, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size))
        break;
      seen += exists(key == kFontsKey ? std::wstring(data) : std::wstring(name));
    }
    RegCloseKey(k);
  }
  HKEY classes;
  RegOpenKeyExW(HKEY_CLASSES_ROOT, L"", 0, KEY_READ, &classes);
  for (DWORD i = 0;; ++i, pump()) {
    DWORD n = 1024;
    if (RegEnumKeyExW(classes, i, name, &n, nullptr, nullptr, nullptr, nullptr)) break;
    if (name[0] != L'.') continue;
    const std::wstring cls = readDefault(classes, name);
    const std::wstring command = readDefault(classes, cls + L"\\shell\\open\\command");
    const size_t quote = command.find(L'"', 1);
    if (command.size() > 1 && quote != std::wstring::npos)
      seen += exists(command.substr(1, quote - 1));
  }
  RegCloseKey(classes);
  return seen;
}

void plantExportKey(const std::string& key) {
  HKEY k;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                  nullptr);
  for (int i = 0; i < 20000; ++i) {
    const std::string n = "value " + std::to_string(i);
    switch (i % 4) {
      case 0:
        setRaw(k, n, REG_SZ,
               "C:\\Program Files\\App\\file" + std::to_string(i) + ".dat" + std::string(1, '\0'));
        break;
      case 1:
        setRaw(k, n, REG_DWORD, std::string(4, static_cast<char>(i)));
        break;
      case 2:
        setRaw(k, n, REG_BINARY, std::string(40 + i % 60, static_cast<char>(i)));
        break;
      default:
        setRaw(k, n, REG_MULTI_SZ, std::string("one\0two\0\0", 9));
        break;
    }
  }
  setRaw(k, "big", REG_BINARY, std::string(1 << 20, '\x5a'));
  RegCloseKey(k);
}

size_t readValues(const std::string& key) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &k)) return 0;
  std::vector<wchar_t> name(512);
  std::vector<BYTE> data((1 << 20) + 16);
  size_t bytes = 0;
  for (DWORD i = 0;; ++i) {
    DWORD n = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size()), type;
    if (RegEnumValueW(k, i, name.data(), &n, nullptr, &type, data.data(), &size)) break;
    bytes += size;
  }
  RegCloseKey(k);
  return bytes;
}

}  // namespace

int main() {
  Stopwatch plantTime;
  plant();
  std::printf("planted in %.2f s\n", plantTime.seconds());

  // One warm-up pass of each, then the measured runs, alternating.
  bareWork();
  RegistryFindings findings;
  ScanProblems problems;
  double bare = 1e9, check = 1e9;
  size_t seen = 0;
  for (int round = 0; round < 3; ++round) {
    Stopwatch t;
    seen = bareWork();
    bare = std::min(bare, t.seconds());
    PumpSlice pump;
    t.restart();
    fullRegistryCheck(findings, problems, [&pump] { pump(); });
    check = std::min(check, t.seconds());
  }
  std::printf("bare enumeration with the same probes: %.3f s (%zu targets found)\n", bare, seen);
  std::printf("full registry check:                   %.3f s (%zu findings)\n", check,
              findings.size());
  std::printf("ratio check / bare: %.2f (target 1.5 or less)\n", check / bare);

  const std::string key = "Software\\ZbExport";
  plantExportKey(key);
  double read = 1e9, exportTime = 1e9;
  for (int round = 0; round < 3; ++round) {
    Stopwatch t;
    readValues(key);
    read = std::min(read, t.seconds());
    RegistryExportFile file;
    DeleteFileA("C:\\zb-export.reg");
    t.restart();
    file.create("C:\\zb-export.reg");
    file.exportTree(HKEY_LOCAL_MACHINE, key);
    file.close();
    exportTime = std::min(exportTime, t.seconds());
  }
  std::printf("reading 20,001 values (1 MiB binary among them): %.3f s\n", read);
  std::printf("exporting the same key:                         %.3f s\n", exportTime);
  std::printf("ratio export / read: %.2f (target 2 or less)\n", exportTime / read);
  return 0;
}
