// The command line of Checker.exe: it works only when started with "/check".
#pragma once
#include <string>
#include <string_view>

namespace scrubwell {

// What follows the program name in a whole command line (as GetCommandLine gives it). A quoted
// program name ends at its closing quote. An unquoted one may hold blanks, as in a Run entry typed
// by hand as C:\Program Files\Scrubwell\Checker.exe /check, so it ends after the first ".exe"
// followed by a blank or the end, else at the first blank.
std::string_view parametersOf(std::string_view commandLine);

// True when the parameters are "/check", ignoring case and surrounding blanks and tabs, also
// when quoted as one argument.
bool isCheckRequest(std::string_view parameters);

}  // namespace scrubwell
