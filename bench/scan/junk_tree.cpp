// Builds a repeatable file tree with realistic junk for the walk benchmarks.
#include "junk_tree.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>
#include <vector>

#include "platform/handles.h"

namespace scrubwell::bench {
namespace {

const char* const kOrdinary[] = {
    "IMG_%u.JPG",
    "Document %u.docx",
    "report-%u.pdf",
    "setup%u.exe",
    "lib%u.dll",
    "readme%u.txt",
    "index%u.html",
    "jquery.min.%u.js",
    "LICENSE%u",
    "a rather long file name %u.html",
    "data%u.xml",
    "icon%u.ico",
    "Song %u - Artist.mp3",
    "notes%u",
    "config%u.ini",
    "archive%u.tar.gz",
    "Thumbs%u.db",
    "desktop%u.ini",
    "msg%u.eml",
    "photo %u.jpeg",
    "table%u.csv",
    "driver%u.sys",
    "help%u.chm",
    "font%u.ttf",
};
// Junk the default masks find.
const char* const kJunk[] = {
    "~DF%04X.tmp",  "%u.tmp",      "backup of letter %u.bak",
    "old%u.old",    "inst%u.$$$",  "x%u.~mp",
    "help%u.gid",   "draft%u.alt", "file%u.sik",
    "q%u.qdk",      "w%u.umb",     "c%u.cor",
    "~WRL%04u.tmp", "doc.~%u",
};
// Names a mask matches loosely or that are protected or excepted: never listed by the junk
// search. The protected and excepted ones are never listed by any scan.
struct LookAlike {
  const char* pattern;
  bool neverListed;
};
const LookAlike kLookAlikes[] = {
    {"report%u.bak1", false}, {"x%u.tmpx", false}, {"DATA.BAK", true}, {"Win.bak", true}};
const char* const kShortcutNames[] = {"Shortcut to app %u.lnk", "Program %u.lnk", "Readme %u.lnk",
                                      "setup%u.lnk"};
const char* const kPifNames[] = {"DOS program %u.pif", "game%u.pif"};
const char* const kFolderNames[] = {
    "Folder %u", "sub%u", "Program Files %u", "a long folder name number %u", "Temp%u", "x.%u"};

std::string format(const char* pattern, unsigned n) {
  char buf[128];
  std::snprintf(buf, sizeof buf, pattern, n);
  return buf;
}

// Creates the file `path` holding `bytes` bytes; false when it exists already (a fixed name
// drawn twice for one folder) or cannot be made.
bool touch(const std::string& path, size_t bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  if (bytes) {
    const std::string content(bytes, 'x');
    DWORD written = 0;
    ok = WriteFile(h, content.data(), static_cast<DWORD>(bytes), &written, nullptr) &&
         written == bytes;
  }
  CloseHandle(h);
  return ok;
}

// Which of `total` files stay empty: exactly `empty` of them, drawn with `rnd`.
std::vector<bool> drawEmpty(size_t total, size_t empty, std::mt19937& rnd) {
  std::vector<bool> isEmpty(total, false);
  std::fill_n(isEmpty.begin(), std::min(empty, total), true);
  std::shuffle(isEmpty.begin(), isEmpty.end(), rnd);
  return isEmpty;
}

// Writes the shell link object behind `persist` as the new file `path`.
bool saveShortcut(IPersistStream* persist, const std::wstring& path) {
  ComPtr<IStream> stream;
  if (FAILED(SHCreateStreamOnFileW(
          path.c_str(), STGM_READWRITE | STGM_CREATE | STGM_SHARE_EXCLUSIVE, stream.put())))
    return false;
  if (persist->Save(stream.get(), FALSE) == S_OK) return true;
  stream.reset();
  DeleteFileW(path.c_str());
  return false;
}

// Saves the shortcut files of `shape` into `folders`, pointing at `files` and `folders` of the
// tree or at missing files on the same drive. One shell link object serves every shortcut.
//
// Each is saved as IPersistFile::Save does it (the object's IPersistStream::Save into a stream on
// the new file) but without what Save does afterwards under Wine: start winemenubuilder.exe for
// the new link and wait for it. That process start (even with winemenubuilder disabled, as in the
// test prefixes) cost 63 ms per shortcut here, over 5 minutes for 5,000 shortcuts; the files are
// the same.
void makeShortcuts(const std::string& root, const std::vector<std::string>& folders,
                   const std::vector<std::string>& files, const TreeShape& shape, std::mt19937& rnd,
                   TreeCounts& counts) {
  if (!shape.shortcuts || folders.empty()) return;
  auto chance = [&rnd](double p) { return std::uniform_real_distribution<double>(0, 1)(rnd) < p; };
  const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
  {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistStream> persist;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   link.putVoid())) &&
        link && SUCCEEDED(link->QueryInterface(IID_IPersistStream, persist.putVoid())) && persist) {
      for (size_t i = 0; i < shape.shortcuts; ++i) {
        const unsigned n = static_cast<unsigned>(i + 1);
        const std::string& folder = folders[rnd() % folders.size()];
        const bool pif = chance(shape.pifShare);
        const std::string name = pif ? format(kPifNames[rnd() % std::size(kPifNames)], n)
                                     : format(kShortcutNames[rnd() % std::size(kShortcutNames)], n);
        // Exactly the share asked for is broken, spread evenly over the shortcuts.
        const bool broken =
            static_cast<size_t>(static_cast<double>(i + 1) * shape.brokenShortcutShare) >
            static_cast<size_t>(static_cast<double>(i) * shape.brokenShortcutShare);
        std::string target;
        if (broken) {
          target = chance(0.5) ? root + format("gone %u\\program.exe", n)
                               : folders[rnd() % folders.size()] + format("removed%u.exe", n);
        } else if (files.empty() || chance(0.2)) {
          target = folders[rnd() % folders.size()];
          if (target.size() > 3) target.pop_back();  // a folder target without its "\"
        } else {
          target = files[rnd() % files.size()];
        }
        if (FAILED(link->SetPath(wide(target).c_str())) ||
            !saveShortcut(persist.get(), wide(folder + name))) {
          ++counts.shortcutsFailed;
          continue;
        }
        ++counts.files;
        ++counts.shortcuts;
        if (pif) ++counts.pifs;
        if (broken) ++counts.brokenShortcuts;
      }
    } else {
      counts.shortcutsFailed = shape.shortcuts;
    }
  }
  if (comStarted) CoUninitialize();
}

}  // namespace

std::wstring wide(const std::string& ansi) {
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  if (n <= 1) return {};
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, w.data(), n);
  w.pop_back();
  return w;
}

TreeCounts makeJunkTree(const std::string& root, const TreeShape& shape) {
  std::mt19937 rnd(shape.seed);
  auto chance = [&rnd](double p) { return std::uniform_real_distribution<double>(0, 1)(rnd) < p; };
  TreeCounts counts;
  std::deque<std::string> pending{root};
  std::vector<std::string> folders;
  CreateDirectoryA(root.c_str(), nullptr);
  // Breadth first, 3 to 12 subfolders each, until there are enough folders.
  while (!pending.empty() && folders.size() < shape.folders) {
    std::string f = pending.front();
    pending.pop_front();
    folders.push_back(f);
    unsigned subs = 3 + rnd() % 10;
    for (unsigned i = 0; i < subs && folders.size() + pending.size() < shape.folders; ++i) {
      std::string sub = f + format(kFolderNames[rnd() % std::size(kFolderNames)], i) + "\\";
      if (CreateDirectoryA(sub.c_str(), nullptr)) pending.push_back(sub);
    }
  }
  // What the junk walk's tree never had draws from a random stream of its own, so that tree
  // stays the same.
  std::mt19937 extra(shape.seed * 7919u + 17u);
  const std::vector<bool> empty =
      drawEmpty(folders.size() * shape.filesPerFolder, shape.zeroByteFiles, extra);
  std::vector<std::string> made;  // the files, as shortcut targets
  size_t fileIndex = 0;
  unsigned serial = 0;
  for (const auto& f : folders) {
    ++counts.folders;
    const bool junkFolder = chance(shape.junkFolderShare);
    // A junk folder collects one or two kinds of junk.
    const size_t kind1 = rnd() % std::size(kJunk), kind2 = rnd() % std::size(kJunk);
    const bool twoKinds = chance(0.3);
    for (size_t i = 0; i < shape.filesPerFolder; ++i) {
      ++serial;
      std::string name;
      bool neverListed = false;
      if (junkFolder ? chance(shape.junkInJunkFolder) : chance(shape.scatteredJunk)) {
        size_t kind =
            junkFolder ? (twoKinds && chance(0.5) ? kind2 : kind1) : rnd() % std::size(kJunk);
        name = format(kJunk[kind], serial);
        ++counts.junk;
      } else if (chance(0.004)) {
        const LookAlike& look = kLookAlikes[rnd() % std::size(kLookAlikes)];
        name = format(look.pattern, serial);
        neverListed = look.neverListed;
        ++counts.lookAlikes;
      } else {
        name = format(kOrdinary[rnd() % std::size(kOrdinary)], serial);
      }
      const bool isEmpty = shape.fileBytes == 0 || empty[fileIndex++];
      if (!touch(f + name, isEmpty ? 0 : shape.fileBytes)) continue;
      ++counts.files;
      if (isEmpty) {
        ++counts.zeroByte;
        if (neverListed) ++counts.zeroByteNeverListed;
      }
      if (shape.shortcuts) made.push_back(f + name);
    }
  }
  makeShortcuts(root, folders, made, shape, extra, counts);
  return counts;
}

}  // namespace scrubwell::bench
