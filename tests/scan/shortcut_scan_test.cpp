// The broken-shortcut scan on the test drives: which shortcut files it lists, where it looks.
#include "scan/shortcut_scan.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "scan/cancel_flag.h"
#include "scan/system_result_list.h"
#include "support/scratch.h"
#include "support/shortcuts.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

std::vector<std::string> foundBelow(const ResultList& list, const std::string& base) {
  std::vector<std::string> out;
  for (size_t i = 0; i < list.size(); ++i)
    if (list.path(i).rfind(base, 0) == 0) {
      out.push_back(list.path(i).substr(base.size()));
      EXPECT_TRUE(list.isMarked(i)) << list.path(i) << ": every broken shortcut starts marked";
    }
  return out;
}

}  // namespace

TEST(ShortcutScan, ListsBrokenShortcutsEverywhereButTheExemptPlaces) {
  ComScope com;
  ScratchFolder d('D', "links");
  ScratchFolder n('N', "links");
  const std::string gone = d / "gone.exe";
  ASSERT_TRUE(writeFile(d / "here.exe", "x"));
  for (const char* name :
       {"broken.lnk", "old.PIF", "hidden\\in-hidden.lnk", "system\\in-system.lnk", "NAVW32.LNK",
        "sub\\navw32.exe.lnk", "BACKUP\\direct.lnk", "BACKUP\\below\\listed.lnk"}) {
    const std::string path = d / name;
    ASSERT_TRUE(makeFolders(path.substr(0, path.find_last_of('\\'))));
    ASSERT_TRUE(writeShortcut(wide(path), wide(gone))) << name;
  }
  ASSERT_TRUE(writeShortcut(wide(d / "working.lnk"), wide(d / "here.exe")));
  ASSERT_TRUE(writeShortcut(wide(n / "on network drive.lnk"), wide(gone)));
  ASSERT_TRUE(writeFile(d / "hidden\\empty.tmp", ""));
  SetFileAttributesA((d / "hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((d / "system").c_str(), FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(writeFile(d / "notes.lnk.txt", "no shortcut"));

  ResultList list = makeSystemResultList();
  ProcessFlag cancel;
  DriveScanInputs in{{"D:\\", "N:\\"}, {}, defaultSearchExceptions(), d / "BACKUP"};
  runBrokenShortcutScan(in, list, cancel, nullptr, 0);
  // Hidden and system folders are entered; the virus scanner's shortcuts, the backup folder's
  // own files and network drives are left out.
  EXPECT_EQ(
      foundBelow(list, d.path()),
      (std::vector<std::string>{"BACKUP\\below\\listed.lnk", "broken.lnk", "hidden\\in-hidden.lnk",
                                "old.PIF", "system\\in-system.lnk"}));
  EXPECT_TRUE(foundBelow(list, n.path()).empty());
  ASSERT_EQ(list.rowCount(), list.size());
}
