// Which texts may be handed to the shell as a web or mail address: the home-page and feedback
// buttons take their addresses from the language file, which can arrive through an update, so
// only an http, https or mailto address is opened and anything else (a program, a file, a
// command) is not.
#pragma once
#include <string>
#include <string_view>

namespace scrubwell {

// True for "http://host...", "https://host..." and "mailto:name@host" (scheme in any case)
// without blanks, control characters or quotes; false for anything else, the empty text too.
bool isWebOrMailAddress(std::string_view address);

// The mail link for a feedback address: "mailto:" + address unless it already starts with the
// scheme. Empty when the result is not a mail address.
std::string mailLinkFor(std::string_view address);

}  // namespace scrubwell
