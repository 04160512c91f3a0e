// Parsing language text files into the translation table, and looking texts up.
#include "base/kv_trans2.h"

#include "base/text_lines.h"

namespace scrubwell {
namespace {
const std::string kEmpty;
}

bool parseLanguageHeader(std::string_view line, long& number) {
  if (line.size() <= 2 || line.front() != '[' || line.back() != ']') return false;
  std::string_view inside = line.substr(1, line.size() - 2);
  if (inside == "END") {
    number = KvTrans2::kEndNumber;
    return true;
  }
  long n = 0;
  for (char c : inside) {
    if (c < '0' || c > '9') return false;
    // Saturate: any number past the table stays "too large" without overflowing.
    if (n <= KvTrans2::kEndNumber) n = n * 10 + (c - '0');
  }
  number = n;
  return true;
}

std::string languageNameFromText(std::string_view content) {
  std::string name;
  int index = 0;
  forEachLine(content, [&](std::string_view line) {
    if (++index == 2) name = line;
  });
  return name;
}

KvTrans2::KvTrans2(std::string productName)
    : productName_(std::move(productName)), texts_(kTextCount) {}

void KvTrans2::clear() {
  for (auto& t : texts_) t.clear();
  firstText_.clear();
}

void KvTrans2::loadFromText(std::string_view content) {
  clear();
  long current = 0;
  std::string text;
  bool firstLine = true;
  forEachLine(content, [&](std::string_view line) {
    long header = 0;
    if (parseLanguageHeader(line, header)) {
      if (current > kEndNumber) {
        // The store fails: this header is not taken over, the current text stays as it was.
        firstLine = true;
        return;
      }
      if (firstText_.empty() && !text.empty()) firstText_ = text;
      texts_[static_cast<size_t>(current)] = std::move(text);
      text.clear();
      current = header;
      firstLine = true;
    } else if (firstLine) {
      text.assign(line);
      firstLine = false;
    } else {
      text += '\r';
      text += line;
    }
  });
}

const std::string& KvTrans2::text(int number) const {
  if (number < 0 || number >= kTextCount) return kEmpty;
  return texts_[static_cast<size_t>(number)];
}

std::string KvTrans2::textFileName(int number) const {
  return productName_ + ".t0" + std::to_string(number);
}
std::string KvTrans2::docFileName(int number) const {
  return productName_ + ".d0" + std::to_string(number);
}
std::string KvTrans2::helpFileName(int number) const {
  return productName_ + ".c0" + std::to_string(number);
}

}  // namespace scrubwell
