// The system tools the Windows-tools window starts: the installed-software panel and the system
// information program, both through the launcher.
#pragma once
#include <string>

namespace scrubwell {

// The system folder's rundll32.exe by its full path, and what it is told to open the panel of
// installed software.
std::string installedSoftwareProgram();
inline constexpr char kInstalledSoftwareParameters[] = "shell32.dll,Control_RunDLL Appwiz.cpl";

// Opens the installed-software panel; true when the launcher started it.
bool showInstalledSoftware();

// The path the registry names for the system information program ("Path" of
// HKLM\Software\Microsoft\Shared Tools\MSInfo, read without creating anything), when a file
// exists there; else empty.
std::string systemInformationProgram();

// Opens the system information program; false (and nothing started) when there is none.
bool showSystemInformation();

}  // namespace scrubwell
