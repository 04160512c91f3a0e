// The update-description reader.
#include "update/update_description.h"

#include "base/settings_values.h"
#include "platform/text_upper.h"
#include "base/safe_file_name.h"

namespace scrubwell {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string_view withoutQuotes(std::string_view s) {
  if (s.size() >= 2 &&
      ((s.front() == '"' && s.back() == '"') || (s.front() == '\'' && s.back() == '\'')))
    s = s.substr(1, s.size() - 2);
  return s;
}

// The numbered list "prefix1".."prefixN" of a section whose count is `countKey`.
std::vector<std::string> numberedList(const IniText& ini, std::string_view section,
                                      std::string_view countKey, std::string_view prefix) {
  std::vector<std::string> list;
  int count = parseIniInteger(ini.value(section, countKey, "0"), 0);
  if (count > kMaxUpdateListEntries) count = kMaxUpdateListEntries;
  for (int i = 1; i <= count; ++i) {
    std::string v = ini.value(section, std::string(prefix) + std::to_string(i), "");
    if (!v.empty()) list.push_back(std::move(v));
  }
  return list;
}

// Keeps the safe names once each (ignoring case); the others go to `rejected`.
std::vector<std::string> safeNames(std::vector<std::string> names,
                                   std::vector<std::string>& rejected) {
  std::vector<std::string> kept;
  for (auto& n : names) {
    if (!isSafeFileName(n)) {
      rejected.push_back(std::move(n));
      continue;
    }
    bool seen = false;
    for (const auto& k : kept) seen = seen || equalsIgnoringCase(k, n);
    if (!seen) kept.push_back(std::move(n));
  }
  return kept;
}

}  // namespace

IniText::IniText(std::string_view text) {
  if (text.size() > kMaxUpdateDescriptionBytes) text = text.substr(0, kMaxUpdateDescriptionBytes);
  std::map<std::string, std::string>* current = nullptr;
  while (!text.empty()) {
    size_t end = text.find_first_of("\r\n");
    std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string_view name =
          trimmed(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      current = &sections_[toUpper(name)];
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string_view::npos) continue;
    std::string key = toUpper(trimmed(line.substr(0, eq)));
    if (key.empty()) continue;
    current->emplace(std::move(key), std::string(withoutQuotes(trimmed(line.substr(eq + 1)))));
  }
}

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
  auto s = sections_.find(toUpper(section));
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(toUpper(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::string IniText::value(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
  auto v = value(section, key);
  return v ? *v : std::string(fallback);
}

const std::map<std::string, std::string>& IniText::section(std::string_view name) const {
  static const std::map<std::string, std::string> none;
  auto s = sections_.find(toUpper(name));
  return s == sections_.end() ? none : s->second;
}

int UpdateDescription::version(std::string_view name) const {
  auto it = versions.find(toUpper(name));
  return it == versions.end() ? -1 : it->second;
}

std::string UpdateDescription::category(std::string_view name) const {
  auto it = categories.find(toUpper(name));
  return it == categories.end() || it->second.empty() ? "other" : it->second;
}

UpdateDescription parseUpdateDescription(std::string_view text) {
  const IniText ini(text);
  UpdateDescription d;
  d.updateUrl = ini.value("updateinfo", "updateurl", "");
  d.subversion = ini.value("updateinfo", "subverion", "");
  d.reinstallIfOlderThan = ini.value("updateinfo", "reinstallIfOlderThen");
  d.reinstallGer = ini.value("updateinfo", "reinstallFileFullGer");
  d.reinstallEngl = ini.value("updateinfo", "reinstallFileFullEngl");
  d.files = safeNames(numberedList(ini, "files", "number", "file"), d.rejected);
  d.removals = safeNames(numberedList(ini, "remove", "number", "file"), d.rejected);
  d.exceptionMasks = numberedList(ini, "Suchausnahmen", "Anzahl", "Maske");
  for (const auto& [name, v] : ini.section("versions")) d.versions[name] = parseIniInteger(v, -1);
  d.categories = ini.section("types");
  return d;
}

}  // namespace scrubwell
