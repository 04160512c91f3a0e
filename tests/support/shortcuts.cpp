// Real shortcut files for tests.
#include "support/shortcuts.h"

#include <objbase.h>

namespace scrubwell::test {

ComPtr<IShellLinkW> newShellLink() {
  ComPtr<IShellLinkW> link;
  CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid());
  return link;
}

HRESULT saveShortcut(IShellLinkW* link, const std::wstring& shortcut) {
  ComPtr<IPersistFile> file;
  HRESULT hr = link->QueryInterface(IID_IPersistFile, file.putVoid());
  return FAILED(hr) ? hr : file->Save(shortcut.c_str(), TRUE);
}

std::wstring wide(const std::string& ansi) {
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::wstring w(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, w.data(), n);
  w.pop_back();
  return w;
}

bool writeShortcut(const std::wstring& shortcut, const std::wstring& target) {
  ComPtr<IShellLinkW> link = newShellLink();
  if (!link || FAILED(link->SetPath(target.c_str())) || saveShortcut(link.get(), shortcut) != S_OK)
    return false;
  return readShortcutTarget(shortcut) == target;
}

std::wstring readShortcutTarget(const std::wstring& shortcut) {
  ComPtr<IShellLinkW> link = newShellLink();
  ComPtr<IPersistFile> file;
  if (!link || FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())) ||
      FAILED(file->Load(shortcut.c_str(), STGM_READ)))
    return {};
  wchar_t buffer[MAX_PATH] = {};
  if (link->GetPath(buffer, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK) return {};
  return buffer;
}

}  // namespace scrubwell::test
