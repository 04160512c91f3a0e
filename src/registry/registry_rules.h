// The text rules of the registry check: quotes around a value, the exempt words, the program
// path of a file-type command and the verdict on an uninstall command. File and folder tests come
// in as functions, so the rules hold the same with the real file system and in unit tests.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace scrubwell {

using PathTest = std::function<bool(const std::string& path)>;

// Removes one double quote at each end when the text is longer than 2 characters and both ends
// are double quotes; otherwise returns the text unchanged.
std::string stripSurroundingQuotes(std::string_view text);

// True when one of the exempt words ("ActiveSync", "incred", "NikonView", "OpenOffice") occurs
// in the text, case ignored.
bool isExempt(std::string_view text);

// The program a file-type command starts, or empty when the command is not one the check
// examines (10 characters or fewer, not starting with a drive letter and ":\", or with something
// other than the end, a blank or a double quote after the program's extension). `command` is the
// command as read; quotes around it are stripped here (twice).
std::string fileTypeProgramPath(std::string_view command);

// True when a file-type finding stands: the program path is missing also with ".exe" or ".lnk"
// appended, holds no "%" after its first character, is not a Norton AntiVirus path, the
// extension key is longer than one character and the command is not exempt.
bool fileTypeCommandInvalid(const std::string& extension, const std::string& command,
                            const std::string& programPath, const PathTest& fileExists);

// The program of an uninstall command: the text up to the first "." and three characters more,
// when that is longer than 10 characters, ends in "exe" (lower case), holds a "\" and has ":" as
// its second character; otherwise empty.
std::string uninstallProgramPath(std::string_view command);

// The folder an uninstall command names in its arguments (drive letter up to the last "\"), or
// empty.
std::string argumentDirectory(std::string_view command);

// True when the uninstall command points at a missing program, or (with a folder in its
// arguments) at a missing program or folder.
bool uninstallEntryInvalid(std::string_view command, const PathTest& fileExists,
                           const PathTest& folderExists);

}  // namespace scrubwell
