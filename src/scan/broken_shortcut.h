#pragma once
#include <string>
namespace scrubwell {
class BrokenShortcutTest {
 public:
  BrokenShortcutTest() = default;
  bool isBroken(const std::string&) { return false; }
};
}  // namespace scrubwell
