// Parses the automation switches: one action (/preview, /auto or /?) and the options /scans:,
// /drives:, /out:, /report: and /csv, each at most once.
#include "app/command_line.h"

#include <cctype>

#include "platform/text_trim.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

// The name of the multi-clean's file scans, which is not one clean-up's.
constexpr std::string_view kMultiScanName = "multi";

// The command-line names of the clean-ups that can run unattended, comma-separated.
std::string knownScanNames() {
  std::string names;
  for (const Cleanup& c : cleanups())
    if (!c.commandName.empty()) names += (names.empty() ? "" : ", ") + std::string(c.commandName);
  return names + ", " + std::string(kMultiScanName);
}

// The switch name (lower case, without the prefix) and its value after ':'; false when the
// argument does not start with '/' or '-'.
bool splitSwitch(const std::string& argument, std::string& name, std::string& value,
                 bool& hasValue) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return false;
  size_t colon = argument.find(':');
  hasValue = colon != std::string::npos;
  name = toLower(std::string_view(argument).substr(1, hasValue ? colon - 1 : std::string::npos));
  value = hasValue ? argument.substr(colon + 1) : std::string();
  return true;
}

std::vector<std::string> splitList(const std::string& value) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t comma = value.find(',', start);
    parts.push_back(value.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::string parseScans(const std::string& value, std::vector<CleanupId>& scans, bool& multi) {
  scans.clear();
  for (const std::string& part : splitList(value)) {
    std::string name = toLower(trimmed(part));
    if (name.empty()) return "/scans: needs a list of scans, such as /scans:junk";
    if (name == kMultiScanName) {
      multi = true;
      continue;
    }
    const Cleanup* found = cleanupByCommandName(name);
    if (!found) return "unknown scan \"" + name + "\"; known scans: " + knownScanNames();
    bool already = false;
    for (CleanupId s : scans) already = already || s == found->id;
    if (!already) scans.push_back(found->id);
  }
  return {};
}

// Accepts "C", "C:" and "C:\" for each drive.
std::string parseDrives(const std::string& value, std::vector<char>& drives) {
  for (const std::string& part : splitList(value)) {
    std::string d(trimmed(part));
    bool letter = !d.empty() && std::isalpha(static_cast<unsigned char>(d[0]));
    bool rest =
        d.size() == 1 || d == std::string(1, d[0]) + ":" || d == std::string(1, d[0]) + ":\\";
    if (!letter || !rest)
      return "/drives: takes drive letters such as /drives:C,D, not \"" + d + "\"";
    char upper = upperChar(d[0]);
    bool already = false;
    for (char c : drives) already = already || c == upper;
    if (!already) drives.push_back(upper);
  }
  return {};
}

}  // namespace

bool isAutomationSwitch(const std::string& argument) {
  std::string name, value;
  bool hasValue = false;
  if (!splitSwitch(argument, name, value, hasValue)) return false;
  return name == "preview" || name == "auto" || name == "?" || name == "scans" ||
         name == "drives" || name == "out" || name == "report" || name == "csv" ||
         name == "cookies" || name == "history";
}

AutomationRequest parseAutomationArguments(const std::vector<std::string>& arguments) {
  AutomationRequest r;
  std::vector<std::string> seen;
  auto fail = [&r](const std::string& message) {
    r.error = message;
    return r;
  };
  for (const std::string& argument : arguments) {
    std::string name, value;
    bool hasValue = false;
    if (!splitSwitch(argument, name, value, hasValue))
      return fail("unexpected argument \"" + argument + "\"");
    for (const std::string& s : seen)
      if (s == name) return fail("/" + name + " is given more than once");
    seen.push_back(name);
    if (name == "csv") {
      if (hasValue) return fail("/csv takes no value");
      r.csv = true;
      continue;
    }
    bool action = name == "preview" || name == "auto" || name == "?";
    if (action) {
      if (hasValue) return fail("/" + name + " takes no value");
      if (r.action != AutomationAction::none)
        return fail("give only one of /preview, /auto and /?");
      r.action = name == "preview" ? AutomationAction::preview
                 : name == "auto"  ? AutomationAction::autoClean
                                   : AutomationAction::usage;
      continue;
    }
    if (name == "cookies" || name == "history") {
      if (hasValue) return fail("/" + name + " takes no value");
      (name == "cookies" ? r.cookies : r.history) = true;
      continue;
    }
    bool option = name == "scans" || name == "drives" || name == "out" || name == "report";
    if (!option) return fail("unknown switch \"" + argument + "\"; /? shows the usage");
    if (!hasValue || trimmed(value).empty()) return fail("/" + name + ": needs a value");
    std::string problem;
    if (name == "scans") problem = parseScans(value, r.scans, r.multi);
    if (name == "drives") problem = parseDrives(value, r.drives);
    if (name == "out") r.outFile = value;
    if (name == "report") r.reportFile = value;
    if (!problem.empty()) return fail(problem);
  }
  if (r.action == AutomationAction::none) return fail("give /preview or /auto; /? shows the usage");
  if (!r.reportFile.empty() && r.action != AutomationAction::autoClean)
    return fail("/report: goes with /auto only");
  if (r.csv && r.action != AutomationAction::preview) return fail("/csv goes with /preview only");
  bool browser = false;
  for (CleanupId scan : r.scans) {
    if (r.csv && scan == CleanupId::registry)
      return fail("/csv lists files; the registry scan lists entries and cannot go with it");
    if (r.csv && scan == CleanupId::browserCache)
      return fail(
          "/csv lists files; the browser clean-up lists cache entries and cannot go with it");
    browser = browser || scan == CleanupId::browserCache;
  }
  if ((r.cookies || r.history) && !browser)
    return fail(std::string(r.cookies ? "/cookies" : "/history") +
                " goes with /scans:browser only");
  return r;
}

std::string automationUsage() {
  const std::string head =
      "Scrubwell.exe /preview | /auto [/scans:LIST] [/drives:C,D] [/out:FILE] [/report:FILE]\r\n"
      "              [/csv] [/cookies] [/history]\r\n"
      "\r\n"
      "  /preview       lists what the scans find, one full path per line; removes nothing.\r\n"
      "                 A line the window would show unmarked starts with \"(unmarked) \"\r\n"
      "  /auto          removes what the scans find and the window would show marked, as\r\n"
      "                 the \"remove\" button does, and prints the status report\r\n"
      "  /scans:LIST    the scans to run, comma-separated; known now: ";
  const std::string tail =
      " (junk is the default;\r\n"
      "                 temp walks the temporary folders and ignores /drives:;\r\n"
      "                 registry checks the registry: one line per invalid entry, "
      "tab-separated:\r\n"
      "                 kind, key, value name, missing target;\r\n"
      "                 browser empties the browser caches: one line per URL cache\r\n"
      "                 entry or profile file;\r\n"
      "                 multi runs the file scans the multi-clean's saved choice holds,\r\n"
      "                 with the file scans named beside it, in one walk of the drives,\r\n"
      "                 each file listed once)\r\n"
      "  /cookies       with browser: cookies go too\r\n"
      "  /history       with browser: the visited-links history goes too\r\n"
      "  /drives:C,D    the drives to walk for this run only (the saved choice is kept)\r\n"
      "  /out:FILE      writes the output to FILE instead of standard output\r\n"
      "  /report:FILE   /auto only: also saves the status report as \"save report\" does\r\n"
      "  /csv           /preview only: lists the files as CSV, as \"Save list...\" saves them:\r\n"
      "                 Path,Size,Class,Marked (size in bytes, class junk, other or risky,\r\n"
      "                 marked yes or no)\r\n"
      "  /?             shows this text\r\n"
      "\r\n"
      "Switches may start with / or - and ignore case.\r\n"
      "Exit codes: 0 something found or removed, 1 nothing found, 2 bad command line,\r\n"
      "3 stopped by an error.\r\n";
  return head + knownScanNames() + tail;
}

}  // namespace scrubwell
