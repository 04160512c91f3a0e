// The file side of the translation object: loading the data folder's text file, listing the
// installed languages and switching to one of them.
#include <windows.h>

#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/kv_trans2.h"
#include "base/settings_file.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// A language file's name needs only its first lines.
constexpr size_t kNameBytes = 64 * 1024;

}  // namespace

void KvTrans2::loadFile(const std::string& path) {
  std::string content;
  if (!readFileBytes(path, content, kMaxFileBytes)) {
    clear();
    return;
  }
  loadFromText(content);
}

void KvTrans2::loadFromDataFolder() { loadFile(locateFile(productName_, productName_ + ".def")); }

int KvTrans2::languageCount() const {
  int count = 0;
  for (int n = 0; n <= kMaxLanguageNumber; ++n)
    count += fileExists(locateFile(productName_, textFileName(n)));
  return count;
}

std::string KvTrans2::languageName(int number) const {
  std::string content;
  if (!readFileBytes(locateFile(productName_, textFileName(number)), content, kNameBytes))
    return {};
  return languageNameFromText(content);
}

int KvTrans2::languageNumberOf(const std::string& name) const {
  int found = -1;
  for (int n = 0; n <= kMaxLanguageNumber; ++n) {
    if (fileExists(locateFile(productName_, textFileName(n))) &&
        equalsIgnoringCase(languageName(n), name))
      found = n;
  }
  return found;
}

void KvTrans2::copyFilesOf(int number) const {
  const std::string data = dataFolder(productName_);
  copyFile(locateFile(productName_, textFileName(number)), data + productName_ + ".def");
  copyFile(locateFile(productName_, docFileName(number)), data + productName_ + ".doc");
  copyFile(locateFile(productName_, helpFileName(number)), data + productName_ + ".chm");
}

bool KvTrans2::switchLanguage(const std::string& name) {
  int chosen = languageNumberOf(name);
  if (chosen < 0) return false;
  int english = 0;
  for (int n = 0, count = languageCount(); n < count; ++n)
    if (equalsIgnoringCase(languageName(n), "ENGLISH")) english = n;
  copyFilesOf(english);
  copyFilesOf(chosen);
  loadFile(locateFile(productName_, textFileName(chosen)));
  return true;
}

void KvTrans2::applyLanguage(const std::string& name) {
  const std::string data = dataFolder(productName_);
  const std::string help = data + productName_ + ".chm";
  const std::string doc = data + productName_ + ".doc";
  DeleteFileA(help.c_str());
  DeleteFileA(doc.c_str());
  switchLanguage(name);
  if (!fileExists(help) && !fileExists(doc)) {
    switchLanguage("ENGLISH");
    switchLanguage(name);
  }
}

void KvTrans2::copyLanguageFilesAtStart() const {
  const int number = readLanguageNumber();
  const std::string data = dataFolder(productName_);
  auto copyIfThere = [](const std::string& from, const std::string& to) {
    if (fileExists(from)) copyFile(from, to);
  };
  copyIfThere(locateFile(productName_, textFileName(number)), data + productName_ + ".def");
  copyIfThere(locateFile(productName_, docFileName(number)), data + productName_ + ".doc");
  copyIfThere(locateFile(productName_, helpFileName(number)), data + productName_ + ".chm");
}

}  // namespace scrubwell
