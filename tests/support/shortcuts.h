// Real shortcut files for tests, written and read back by the system's shell link object. The
// caller's thread must have COM initialised (ComScope).
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "platform/handles.h"

namespace scrubwell::test {

// A fresh shell link object; empty when the system gives none.
ComPtr<IShellLinkW> newShellLink();
// Saves `link` as the shortcut file `shortcut`.
HRESULT saveShortcut(IShellLinkW* link, const std::wstring& shortcut);
// The UTF-16 form of an ANSI string.
std::wstring wide(const std::string& ansi);
// Saves a shortcut to `target` as it stands now (Wine keeps a target that does not exist). True
// when a fresh shell link object reads exactly `target` back from the file.
bool writeShortcut(const std::wstring& shortcut, const std::wstring& target);
// The path a fresh shell link object reads from the shortcut; empty when it reads none.
std::wstring readShortcutTarget(const std::wstring& shortcut);

}  // namespace scrubwell::test
