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

// The language operations test every file number up to kMaxLanguageNumber; each does so with one
// locator, so the data folder is looked up once per operation, not once per number.
namespace {

int countLanguages(const FileLocator& files, const KvTrans2& t) {
  int count = 0;
  for (int n = 0; n <= KvTrans2::kMaxLanguageNumber; ++n) count += files.exists(t.textFileName(n));
  return count;
}

std::string nameOfLanguage(const FileLocator& files, const KvTrans2& t, int number) {
  std::string content;
  if (!readFileBytes(files.locate(t.textFileName(number)), content, kNameBytes)) return {};
  return languageNameFromText(content);
}

}  // namespace

int KvTrans2::languageCount() const { return countLanguages(FileLocator(productName_), *this); }

std::string KvTrans2::languageName(int number) const {
  return nameOfLanguage(FileLocator(productName_), *this, number);
}

int KvTrans2::languageNumberOf(const std::string& name) const {
  const FileLocator files(productName_);
  int found = -1;
  for (int n = 0; n <= kMaxLanguageNumber; ++n) {
    if (files.exists(textFileName(n)) && equalsIgnoringCase(nameOfLanguage(files, *this, n), name))
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
  const FileLocator files(productName_);
  int english = 0;
  for (int n = 0, count = countLanguages(files, *this); n < count; ++n)
    if (equalsIgnoringCase(nameOfLanguage(files, *this, n), "ENGLISH")) english = n;
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
  // A switch copies the English files before the chosen language's, so when the chosen language
  // brings neither help nor documentation, the English ones (if any) are already in place and a
  // second round would only repeat the same copies and loads. Only a name that is not installed
  // falls back to English.
  if (!switchLanguage(name) && !fileExists(help) && !fileExists(doc)) switchLanguage("ENGLISH");
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
