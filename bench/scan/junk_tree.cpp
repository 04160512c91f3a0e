// Builds a repeatable file tree with realistic junk for the walk benchmark.
#include "junk_tree.h"

#include <windows.h>

#include <cstdio>
#include <deque>
#include <random>
#include <vector>

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
// Names a mask matches loosely or that are protected or excepted: never listed.
const char* const kLookAlikes[] = {"report%u.bak1", "x%u.tmpx", "DATA.BAK", "Win.bak"};
const char* const kFolderNames[] = {
    "Folder %u", "sub%u", "Program Files %u", "a long folder name number %u", "Temp%u", "x.%u"};

std::string format(const char* pattern, unsigned n) {
  char buf[128];
  std::snprintf(buf, sizeof buf, pattern, n);
  return buf;
}

bool touch(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

}  // namespace

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
      if (junkFolder ? chance(shape.junkInJunkFolder) : chance(shape.scatteredJunk)) {
        size_t kind =
            junkFolder ? (twoKinds && chance(0.5) ? kind2 : kind1) : rnd() % std::size(kJunk);
        name = format(kJunk[kind], serial);
        ++counts.junk;
      } else if (chance(0.004)) {
        name = format(kLookAlikes[rnd() % std::size(kLookAlikes)], serial);
        ++counts.lookAlikes;
      } else {
        name = format(kOrdinary[rnd() % std::size(kOrdinary)], serial);
      }
      if (touch(f + name)) ++counts.files;
    }
  }
  return counts;
}

}  // namespace scrubwell::bench
