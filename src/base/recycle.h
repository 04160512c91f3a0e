// The recycle bin: sending a file or folder to it with the shell's delete operation (undo
// allowed, no confirmation, no progress, no error boxes), whether a drive has one, and emptying it.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell {

// True when the shell reported success and did not abort. A drive root is refused.
bool sendToRecycleBin(const std::string& path);

// True when the drive of `path` ("X:\...") keeps a recycle bin: a local fixed disk. On other
// drives (removable, network, a share path) the shell's delete removes a file for good.
bool hasRecycleBin(const std::string& path);

enum class RecycleBinEmptying {
  emptied,       // it held items and holds none now
  alreadyEmpty,  // it held nothing
  notEmptied,    // items are still in it after the shell's call
  unavailable,   // the shell offers no function to empty it
};

// Empties the recycle bin of every drive without a question, a sound or a progress window; the
// shell's function is looked up at run time in SHELL32.DLL, so a system without it only answers
// `unavailable`. Whether it worked is judged by counting the bin's items before and after.
RecycleBinEmptying emptyRecycleBin(HWND owner);
// The same with the library and function named (tests name one that is missing).
RecycleBinEmptying emptyRecycleBin(HWND owner, const char* library, const char* function);

}  // namespace scrubwell
