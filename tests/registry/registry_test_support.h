// What the registry tests share: values of every type planted through the wide functions, the
// keys of the real registry the tests plant into, and a removal sandbox with the registry texts.
#pragma once
#include <windows.h>

#include <string>

#include "scan/removal_sandbox.h"
#include "support/registry_dump.h"

namespace scrubwell::test {

inline const char* const kRegistryTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[94]\r\nFreed:\r\n[150]\r\n - removed with backup\r\n"
    "[157]\r\nStatus report\r\n[158]\r\nProcessed:\r\n[160]\r\n - not removed\r\n"
    "[199]\r\nApp path:\r\n[203]\r\nFont:\r\n[206]\r\nShared DLL:\r\n[209]\r\nFile type:\r\n"
    "[250]\r\nregistry clean-up\r\n[5300]\r\nEntry\r\n[5301]\r\n - exported and removed\r\n"
    "[5302]\r\n - removed\r\n[5303]\r\n - not exported, kept\r\n[5307]\r\nexport failed:\r\n"
    "[5308]\r\npoint failed:\r\n[END]\r\n";

// A UTF-16 string's bytes, with its terminating NUL when `terminated`.
inline std::string wideBytes(const std::wstring& text, bool terminated = true) {
  std::string b(reinterpret_cast<const char*>(text.c_str()),
                (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
  return b;
}

inline std::string patternBytes(size_t n) {
  std::string b;
  for (size_t i = 0; i < n; ++i) b += static_cast<char>((i * 37 + 11) & 0xFF);
  return b;
}

// Values of every type and awkward names into `path`: strings with "\", quotes and a line
// break, expandable and multi-strings, numbers of both widths and wrong sizes, binaries of the
// sizes where lines break, "none" values, names with quotes, backslashes, "=" and letters of the
// code page.
inline void plantEveryType(HKEY root, const std::string& path) {
  setRegRaw(root, path, L"str", REG_SZ, wideBytes(L"C:\\a\\\"b\"\r\nnext line"));
  setRegRaw(root, path, L"plain", REG_SZ, wideBytes(L"C:\\Program Files\\x.exe"));
  setRegRaw(root, path, L"sz empty", REG_SZ, "");
  setRegRaw(root, path, L"sz with nul", REG_SZ, wideBytes(std::wstring(L"a\0b", 3)));
  setRegRaw(root, path, L"exp", REG_EXPAND_SZ, wideBytes(L"%SystemRoot%\\x;\u00e4"));
  setRegRaw(root, path, L"exp empty", REG_EXPAND_SZ, "");
  setRegRaw(root, path, L"multi", REG_MULTI_SZ, wideBytes(std::wstring(L"one\0two\0\0", 9), false));
  setRegRaw(root, path, L"dword", REG_DWORD, std::string("\x78\x56\x34\x12", 4));
  setRegRaw(root, path, L"dword short", REG_DWORD, std::string("\x01\x02", 2));
  setRegRaw(root, path, L"qword", REG_QWORD, patternBytes(8));
  for (size_t n : {0, 1, 26, 27, 60, 4000})
    setRegRaw(root, path, L"bin" + std::to_wstring(n), REG_BINARY, patternBytes(n));
  setRegRaw(root, path, L"none empty", REG_NONE, "");
  setRegRaw(root, path, L"none bytes", REG_NONE, patternBytes(5));
  setRegRaw(root, path, L"odd type", 0x1234, patternBytes(3));
  setRegRaw(root, path, L"q\"uote", REG_SZ, wideBytes(L"\""));
  setRegRaw(root, path, L"back\\slash", REG_SZ, wideBytes(L"\\\\"));
  setRegRaw(root, path, L"eq=ual", REG_DWORD, std::string(4, '\0'));
  setRegRaw(root, path, L"Gr\u00f6\u00dfe \u00e9t\u00e9", REG_SZ, wideBytes(L"\u00fc\u00df"));
  setRegRaw(root, path + "\\Sub key\\Deeper", L"", REG_SZ, wideBytes(L"deep default"));
  setRegRaw(root, path + "\\Sub key", L"bin", REG_BINARY, patternBytes(30));
}

struct RegistryRemovalSandbox : RemovalSandbox {
  RegistryRemovalSandbox() : RemovalSandbox(kRegistryTexts) {
    settings.backupOption = true;
    seams.launcher.passThrough = [](const std::string& command) {
      return command.rfind("regedit", 0) == 0;
    };
  }
};

}  // namespace scrubwell::test
