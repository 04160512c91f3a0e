// The translation object: the table of the chosen language's texts, looked up by number, and the
// language files it comes from. One instance serves the whole process (see app/texts.h).
//
// A language text file is ANSI text. A header line is longer than 2 characters, starts with "["
// and ends with "]", and holds a non-negative decimal number or the word END (= 10000). The
// content lines up to the next header are the text of that number, joined with CR; a text is
// stored only when the next header is read, so files end with "[END]". Numbers above 10000 cannot
// be stored: from such a header on, every later text of the file is dropped.
//
// Parsing and lookup are portable. The file side (the members below "Language files") is defined
// only in the Windows build, in kv_trans2_files.cpp.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

class KvTrans2 {
 public:
  static constexpr int kTextCount = 10001;  // texts 0 to 10000
  static constexpr int kEndNumber = 10000;  // the number of the header [END]
  static constexpr int kMaxLanguageNumber = 100;
  // Language files larger than this are read only up to this many bytes.
  static constexpr size_t kMaxFileBytes = 4 * 1024 * 1024;

  explicit KvTrans2(std::string productName = "Scrubwell");

  const std::string& productName() const { return productName_; }

  // Replaces the table by the texts of a language file's content.
  void loadFromText(std::string_view content);
  // Empties the table (every text empty, no first text).
  void clear();

  // The text of `number`; empty when it is missing, negative or 10001 and above.
  const std::string& text(int number) const;
  // The first non-empty text stored by the last load: the language name of a well-formed file.
  const std::string& firstText() const { return firstText_; }

  // ---- Language files (Windows build only) ----

  // Loads "<product>.def" as found by the file lookup rule (data folder first).
  void loadFromDataFolder();
  // Loads a language text file; a missing or unreadable file leaves the table empty.
  void loadFile(const std::string& path);
  // The number of existing text files "<product>.t0" + N for N = 0 to 100.
  int languageCount() const;
  // Line 2 of "<product>.t0" + N; empty when the file is missing or unreadable.
  std::string languageName(int number) const;
  // The last N (0 to 100) whose text file exists and whose name equals `name` ignoring case;
  // -1 when there is none.
  int languageNumberOf(const std::string& name) const;
  // Copies the English files, then the chosen language's files over "<product>.def", ".doc" and
  // ".chm" in the data folder and loads the chosen texts. False when no language has that name.
  bool switchLanguage(const std::string& name);
  // Deletes the data folder's ".chm" and ".doc", switches, and switches via ENGLISH once more when
  // neither file came back.
  void applyLanguage(const std::string& name);
  // At start-up: copies the files of the saved language number over the data folder's copies,
  // each only when its source exists; errors are ignored per file.
  void copyLanguageFilesAtStart() const;

  // The three files of language N and the data-folder names they are copied to.
  std::string textFileName(int number) const;  // "<product>.t0" + N
  std::string docFileName(int number) const;   // "<product>.d0" + N
  std::string helpFileName(int number) const;  // "<product>.c0" + N

 private:
  void copyFilesOf(int number) const;

  std::string productName_;
  std::vector<std::string> texts_;
  std::string firstText_;
};

// True when `line` is a header line; `number` receives its number (END = 10000; a number too large
// to be a text number comes back as a value above 10000).
bool parseLanguageHeader(std::string_view line, long& number);

// Line 2 of a language file's content (the language name); empty when there is none.
std::string languageNameFromText(std::string_view content);

}  // namespace scrubwell
