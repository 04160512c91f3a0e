// Which texts may be handed to the shell as a web or mail address: the home-page and feedback
// buttons take their addresses from the language file and the update check its addresses from a
// download, so only an http, https or mailto address is opened and anything else (a program, a
// file, a command) is not.
#pragma once
#include <string>
#include <string_view>

namespace scrubwell {

// True for "http://host..." and "https://host..." (scheme in any case) without blanks, control
// characters or quotes; false for anything else, the empty text too. The update check fetches
// from and opens nothing else either.
bool isWebAddress(std::string_view address);
// The same, or "mailto:name@host".
bool isWebOrMailAddress(std::string_view address);

// The mail link for a feedback address: "mailto:" + address unless it already starts with the
// scheme. Empty when the result is not a mail address.
std::string mailLinkFor(std::string_view address);

}  // namespace scrubwell
