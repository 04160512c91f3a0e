// Decides whether a shortcut file points at a file or folder that is gone: the system's shell
// link object reads the shortcut, the file system answers whether its target exists.
#include "scan/broken_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <array>
#include <optional>

#include "base/file_ops.h"
#include "platform/handles.h"
#include "scan/shell_link_format.h"

namespace scrubwell {
namespace {

bool isAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// Only a target the file system positively reports as absent counts as missing: a drive that is
// not ready, a denied folder or a name the system cannot parse tell nothing about the target.
bool targetIsMissing(const std::wstring& target) {
  if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

struct BrokenShortcutTest::State {
  // Declared first, so it ends after the interfaces below are released.
  std::optional<ComScope> com;
  bool linkTried = false;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistStream> file;  // loads the shortcut from the bytes the bounds check read
  // GetDriveTypeW of each letter A to Z once it has been asked; a drive's type does not change
  // during a scan.
  std::array<std::optional<UINT>, 26> driveTypes;

  // The one shell link object of this test, made at the first shortcut. When it cannot be made
  // it is not tried again: every shortcut then reads as having no target.
  bool ensureLink() {
    if (linkTried) return file && link;
    linkTried = true;
    // Starts an apartment on this thread, or joins the one there (a count the scope gives back);
    // in a thread of the multithreaded apartment it does nothing and gives nothing back.
    com.emplace();
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.putVoid())) ||
        !link || FAILED(link->QueryInterface(IID_IPersistStream, file.putVoid())) || !file) {
      link.reset();
      file.reset();
    }
    return file && link;
  }

  // The path the shortcut `bytes` point to, empty when they cannot be loaded or hold no path
  // (a shortcut to a shell item such as "My Computer" carries an item list only). The bytes are
  // loaded from memory: the file was read once already, for the bounds check.
  std::wstring targetOf(const std::string& bytes) {
    if (!ensureLink()) return {};
    ComPtr<IStream> memory;
    ULARGE_INTEGER size;
    size.QuadPart = bytes.size();
    LARGE_INTEGER start{};
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, memory.put())) || !memory ||
        FAILED(memory->SetSize(size)) ||
        FAILED(memory->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr)) ||
        FAILED(memory->Seek(start, STREAM_SEEK_SET, nullptr)) || FAILED(file->Load(memory.get())))
      return {};
    wchar_t buffer[MAX_PATH] = {};
    if (link->GetPath(buffer, MAX_PATH, nullptr, SLGP_UNCPRIORITY) != S_OK) return {};
    buffer[MAX_PATH - 1] = L'\0';
    return buffer;
  }

  bool isFixedDisk(wchar_t letter) {
    if (!isAsciiLetter(letter)) return false;
    size_t index = static_cast<size_t>((letter | 0x20) - L'a');
    if (!driveTypes[index]) {
      const wchar_t root[] = {static_cast<wchar_t>(L'A' + index), L':', L'\\', L'\0'};
      driveTypes[index] = GetDriveTypeW(root);
    }
    return *driveTypes[index] == DRIVE_FIXED;
  }
};

BrokenShortcutTest::BrokenShortcutTest() : state_(std::make_unique<State>()) {}

BrokenShortcutTest::~BrokenShortcutTest() = default;

bool BrokenShortcutTest::isBroken(const std::string& shortcutPath) {
  // A missing file, a folder, and a file that is no whole shortcut are never handed to the
  // shell link object.
  std::string bytes;
  if (!readFileBytes(shortcutPath, bytes, kMaxShellLinkBytes + 1) || !isWellFormedShellLink(bytes))
    return false;

  std::wstring target = state_->targetOf(bytes);
  if (target.empty() || target == L" ") return false;
  if (target.size() < 4) return false;
  // Network paths, anything that is not "X:...", and the floppy drive A: are never judged.
  if (target.compare(0, 2, L"\\\\") == 0 || target[1] != L':' || target[0] == L'A' ||
      target[0] == L'a')
    return false;
  // Removable, CD-ROM and network drives may simply not hold their medium right now.
  if (!state_->isFixedDisk(target[0])) return false;
  return targetIsMissing(target);
}

}  // namespace scrubwell
