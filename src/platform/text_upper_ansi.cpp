// The system's case mapping of the ANSI code page.
#include <windows.h>

#include "platform/text_upper.h"

namespace scrubwell {

std::string toUpperInAnsiCodePage(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string toLowerInAnsiCodePage(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace scrubwell
