// Reads what a Windows program file declares about itself: its machine, its subsystem and the DLLs
// its import directory names, so tests can check what a built program needs to start.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell::test {

struct ProgramImage {
  WORD machine = 0;    // IMAGE_FILE_MACHINE_I386, IMAGE_FILE_MACHINE_AMD64, ...
  WORD subsystem = 0;  // IMAGE_SUBSYSTEM_WINDOWS_GUI, ..._CUI
  std::vector<std::string> importedDlls;  // as the import directory spells them
};

// Parses the headers and the import directory of a PE32 or PE32+ image held in memory. Every offset
// is checked against the bytes given; a malformed image gives nullopt and, when asked, the reason.
std::optional<ProgramImage> parseProgramImage(std::string_view bytes, std::string* error = nullptr);

// The same for a file on disk.
std::optional<ProgramImage> readProgramImage(const std::string& path, std::string* error = nullptr);

// True for the DLLs every Windows installation ships in its system folder (case ignored).
bool isSystemDll(std::string_view name);

// The imported DLLs that are not system DLLs: what would have to lie beside the program.
std::vector<std::string> nonSystemImports(const ProgramImage& image);

}  // namespace scrubwell::test
