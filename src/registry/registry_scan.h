// The two registry checks, without any window: the full check over application paths, fonts,
// shared DLL counters and file-type commands (in that order, at most 1000 findings), and the
// uninstall-entry check. Both only read: keys are opened read-only and never created, and a value
// of another type where a string is expected reads as empty.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "registry/registry_record.h"

namespace scrubwell {

// What a check could not read: the sources whose key was there but could not be opened or
// listed whole ("root\key" each). A missing key is no problem: there is nothing to examine.
struct ScanProblems {
  std::vector<std::string> unreadable;
  bool any() const { return !unreadable.empty(); }
};

// Called after every examined entry; the windows pump their messages there.
using ScanPacing = std::function<void()>;

// The full check: clears `findings` and fills it.
void fullRegistryCheck(RegistryFindings& findings, ScanProblems& problems,
                       const ScanPacing& pace = {});

// The uninstall-entry check: clears `found` and fills it (no limit), every line selected.
void uninstallCheck(UninstallFindings& found, ScanProblems& problems, const ScanPacing& pace = {});

}  // namespace scrubwell
