// Read-only access to registry keys for the registry cleaner: keys are opened with KEY_READ and
// never created, names are enumerated in full (through the wide functions) and given in the ANSI
// code page only when they convert exactly, and a value of another type where a string is
// expected reads as empty.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/handles.h"

namespace scrubwell {

enum class KeyOpening { opened, missing, failed };

// Opens `path` (no leading backslash) below `root` for reading. `missing` when the key is not
// there; `failed` when it is there but cannot be read (access denied and the like).
KeyOpening openKeyForReading(HKEY root, const std::string& path, RegKey& key);

// Names of a key's subkeys or values in enumeration order. A name that has no exact spelling in
// the ANSI code page is left out and counted in `unspellable`. False when the enumeration broke
// off with an error.
struct NameList {
  std::vector<std::string> names;
  size_t unspellable = 0;
  bool complete = true;
};
NameList subkeyNames(HKEY key);
NameList valueNames(HKEY key);

// The value `name` ("" for the default value) as text when it is a string or expandable string;
// empty when it is missing, of another type or unreadable.
std::string readStringValue(HKEY key, const std::string& name);

// The wide name converted to the ANSI code page; false when a character has no exact spelling.
bool toAnsiExactly(const std::wstring& wide, std::string& ansi);
// The ANSI name as wide text (for the wide registry functions).
std::wstring toWide(const std::string& ansi);

}  // namespace scrubwell
