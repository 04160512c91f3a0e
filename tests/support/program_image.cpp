// Reads the headers and the import directory of a PE image with every offset bounds-checked.
#include "support/program_image.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/text_upper.h"

namespace scrubwell::test {
namespace {

constexpr size_t kMaxImports = 4096;   // far more than any real program names
constexpr size_t kMaxDllName = 260;

class ImageReader {
 public:
  explicit ImageReader(std::string_view bytes) : bytes_(bytes) {}

  // Copies sizeof(T) bytes at offset into out; false when they do not all lie inside the image.
  template <typename T>
  bool read(size_t offset, T& out) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, bytes_.data() + offset, sizeof(T));
    return true;
  }

  // A NUL-terminated name at offset, at most kMaxDllName characters.
  std::optional<std::string> name(size_t offset) const {
    if (offset >= bytes_.size()) return std::nullopt;
    std::string_view rest = bytes_.substr(offset, kMaxDllName + 1);
    size_t end = rest.find('\0');
    if (end == std::string_view::npos || end == 0) return std::nullopt;
    return std::string(rest.substr(0, end));
  }

 private:
  std::string_view bytes_;
};

std::optional<ProgramImage> fail(std::string* error, const char* why) {
  if (error) *error = why;
  return std::nullopt;
}

}  // namespace

std::optional<ProgramImage> parseProgramImage(std::string_view bytes, std::string* error) {
  ImageReader in(bytes);
  IMAGE_DOS_HEADER dos;
  if (!in.read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) return fail(error, "no MZ header");
  if (dos.e_lfanew < 0) return fail(error, "negative PE header offset");
  const size_t nt = static_cast<size_t>(dos.e_lfanew);
  DWORD signature = 0;
  IMAGE_FILE_HEADER file;
  if (!in.read(nt, signature) || signature != IMAGE_NT_SIGNATURE) return fail(error, "no PE signature");
  if (!in.read(nt + sizeof(DWORD), file)) return fail(error, "file header cut off");
  const size_t optional = nt + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER);

  ProgramImage image;
  image.machine = file.Machine;
  IMAGE_DATA_DIRECTORY imports = {};
  WORD magic = 0;
  if (!in.read(optional, magic)) return fail(error, "optional header cut off");
  if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
    IMAGE_OPTIONAL_HEADER32 h;
    if (file.SizeOfOptionalHeader < sizeof(h) || !in.read(optional, h))
      return fail(error, "optional header cut off");
    image.subsystem = h.Subsystem;
    if (h.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT)
      imports = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  } else if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    IMAGE_OPTIONAL_HEADER64 h;
    if (file.SizeOfOptionalHeader < sizeof(h) || !in.read(optional, h))
      return fail(error, "optional header cut off");
    image.subsystem = h.Subsystem;
    if (h.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT)
      imports = h.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  } else {
    return fail(error, "unknown optional header");
  }
  if (imports.VirtualAddress == 0) return image;  // imports nothing

  // Relative addresses become file offsets through the section that holds them.
  const size_t sections = optional + file.SizeOfOptionalHeader;
  auto fileOffset = [&](DWORD rva) -> std::optional<size_t> {
    for (WORD i = 0; i < file.NumberOfSections; ++i) {
      IMAGE_SECTION_HEADER s;
      if (!in.read(sections + i * sizeof(s), s)) return std::nullopt;
      if (rva >= s.VirtualAddress && rva - s.VirtualAddress < s.SizeOfRawData)
        return static_cast<size_t>(s.PointerToRawData) + (rva - s.VirtualAddress);
    }
    return std::nullopt;
  };

  auto table = fileOffset(imports.VirtualAddress);
  if (!table) return fail(error, "import directory outside every section");
  for (size_t i = 0;; ++i) {
    if (i == kMaxImports) return fail(error, "import directory without an end");
    IMAGE_IMPORT_DESCRIPTOR d;
    if (!in.read(*table + i * sizeof(d), d)) return fail(error, "import directory cut off");
    if (d.Name == 0 && d.FirstThunk == 0) break;  // the all-zero descriptor ends the table
    auto at = fileOffset(d.Name);
    auto dll = at ? in.name(*at) : std::nullopt;
    if (!dll) return fail(error, "unreadable imported DLL name");
    image.importedDlls.push_back(*dll);
  }
  return image;
}

std::optional<ProgramImage> readProgramImage(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail(error, "cannot open the file");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parseProgramImage(bytes, error);
}

bool isSystemDll(std::string_view name) {
  static constexpr std::string_view kSystem[] = {
      "kernel32.dll", "user32.dll",  "gdi32.dll",    "comctl32.dll", "comdlg32.dll",
      "advapi32.dll", "shell32.dll", "shlwapi.dll",  "ole32.dll",    "oleaut32.dll",
      "wininet.dll",  "winmm.dll",   "winspool.drv", "msvcrt.dll",   "version.dll",
      "ntdll.dll",    "imm32.dll",   "urlmon.dll",   "ws2_32.dll",   "uxtheme.dll"};
  return std::any_of(std::begin(kSystem), std::end(kSystem),
                     [&](std::string_view dll) { return equalsIgnoringCase(name, dll); });
}

std::vector<std::string> nonSystemImports(const ProgramImage& image) {
  std::vector<std::string> out;
  for (const auto& dll : image.importedDlls)
    if (!isSystemDll(dll)) out.push_back(dll);
  return out;
}

}  // namespace scrubwell::test
