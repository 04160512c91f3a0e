// The programs we ship start on a bare Windows: each is a GUI-subsystem program (no console window,
// also when Checker.exe runs at log-on) whose import directory names system DLLs only, so no
// run-time library has to lie beside it. The image reader itself refuses damaged images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "e2e/program_driver.h"
#include "platform/path_text.h"
#include "support/program_image.h"

using namespace scrubwell::test;

namespace {

// The build tree whose programs are checked: this test's own, or the one SCRUBWELL_PRODUCT_BUILD
// names (a Windows path), so a machine that runs only the 64-bit tests still checks the 32-bit
// product it built.
std::string productBuild() {
  char buf[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("SCRUBWELL_PRODUCT_BUILD", buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return buildFolder();
  return scrubwell::withTrailingBackslash(buf);
}

std::string shipped(const char* name) {
  const char* folder = std::strcmp(name, "Checker.exe") == 0   ? "src\\checker\\"
                       : std::strcmp(name, "UPDATER.EXE") == 0 ? "src\\updater\\"
                                                               : "src\\app\\";
  return productBuild() + folder + name;
}

TEST(ProgramImage, ShippedProgramsAreGuiProgramsThatImportSystemDllsOnly) {
  WORD machine = 0;
  for (const char* name : {"Scrubwell.exe", "Checker.exe", "UPDATER.EXE"}) {
    SCOPED_TRACE(shipped(name));
    std::string error;
    auto image = readProgramImage(shipped(name), &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_NE(std::find(image->importedDlls.begin(), image->importedDlls.end(), "KERNEL32.dll"),
              image->importedDlls.end());
    EXPECT_EQ(nonSystemImports(*image), std::vector<std::string>{});
    // The programs of one build are built for one machine.
    if (machine) {
      EXPECT_EQ(image->machine, machine);
    }
    machine = image->machine;
  }
  // The minidump locator beside them: for the same machine, needing no run-time DLL either.
  std::string error;
  auto locator = readProgramImage(shipped("KvFindMinidump.dll"), &error);
  ASSERT_TRUE(locator) << error;
  EXPECT_EQ(locator->machine, machine);
  EXPECT_EQ(nonSystemImports(*locator), std::vector<std::string>{});
}

// A program linked against the C++ run-time DLLs: the check above would fail on it.
TEST(ProgramImage, NamesTheRunTimeDllsOfADynamicallyLinkedProgram) {
  std::string error;
  auto image = readProgramImage(buildFolder() + "tests\\e2e\\dynamic_runtime_probe.exe", &error);
  ASSERT_TRUE(image) << error;
  auto foreign = nonSystemImports(*image);
  EXPECT_NE(std::find(foreign.begin(), foreign.end(), "libstdc++-6.dll"), foreign.end())
      << ::testing::PrintToString(image->importedDlls);
}

// A minimal PE32 image: one section at file offset 0x200 (address 0x1000) holding the import
// directory for `dlls`, each descriptor naming one DLL.
struct SmallImage {
  static constexpr size_t kNt = 0x80, kSection = 0x200;
  std::string bytes;
  size_t optionalHeader = 0, sectionHeader = 0, descriptors = kSection;

  explicit SmallImage(const std::vector<std::string>& dlls) {
    std::string names;
    std::vector<DWORD> nameAt;
    const size_t tableSize = (dlls.size() + 1) * sizeof(IMAGE_IMPORT_DESCRIPTOR);
    for (const auto& d : dlls) {
      nameAt.push_back(static_cast<DWORD>(0x1000 + tableSize + names.size()));
      names += d + '\0';
    }
    bytes.assign(kSection + tableSize + names.size(), '\0');
    IMAGE_DOS_HEADER dos = {};
    dos.e_magic = IMAGE_DOS_SIGNATURE;
    dos.e_lfanew = kNt;
    put(0, dos);
    put(kNt, DWORD{IMAGE_NT_SIGNATURE});
    IMAGE_FILE_HEADER file = {};
    file.Machine = IMAGE_FILE_MACHINE_I386;
    file.NumberOfSections = 1;
    file.SizeOfOptionalHeader = sizeof(IMAGE_OPTIONAL_HEADER32);
    put(kNt + 4, file);
    optionalHeader = kNt + 4 + sizeof(file);
    IMAGE_OPTIONAL_HEADER32 opt = {};
    opt.Magic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
    opt.Subsystem = IMAGE_SUBSYSTEM_WINDOWS_CUI;
    opt.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
    opt.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT] = {0x1000, static_cast<DWORD>(tableSize)};
    put(optionalHeader, opt);
    sectionHeader = optionalHeader + sizeof(opt);
    IMAGE_SECTION_HEADER s = {};
    s.VirtualAddress = 0x1000;
    s.Misc.VirtualSize = s.SizeOfRawData = static_cast<DWORD>(bytes.size() - kSection);
    s.PointerToRawData = kSection;
    put(sectionHeader, s);
    for (size_t i = 0; i < dlls.size(); ++i) {
      IMAGE_IMPORT_DESCRIPTOR d = {};
      d.Name = nameAt[i];
      d.FirstThunk = 0x1000;
      put(kSection + i * sizeof(d), d);
    }
    bytes.replace(kSection + tableSize, names.size(), names);
  }

  template <typename T>
  void put(size_t at, const T& value) {
    bytes.replace(at, sizeof(T), reinterpret_cast<const char*>(&value), sizeof(T));
  }
};

TEST(ProgramImage, ReadsAHandMadeImageAndRefusesItsDamagedForms) {
  const std::vector<std::string> dlls = {"KERNEL32.dll", "libgcc_s_dw2-1.dll"};
  SmallImage good(dlls);
  auto image = parseProgramImage(good.bytes);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->importedDlls, dlls);
  EXPECT_EQ(image->subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI);
  EXPECT_EQ(nonSystemImports(*image), std::vector<std::string>{"libgcc_s_dw2-1.dll"});

  // Cut anywhere, the image is refused, never read past its end.
  for (size_t n = 0; n < good.bytes.size(); ++n)
    EXPECT_FALSE(parseProgramImage(std::string_view(good.bytes).substr(0, n))) << n;

  auto damaged = [&](auto change) {
    SmallImage bad(dlls);
    change(bad);
    std::string error;
    EXPECT_FALSE(parseProgramImage(bad.bytes, &error));
    return error;
  };
  EXPECT_EQ(damaged([](SmallImage& b) { b.bytes[0] = 'X'; }), "no MZ header");
  EXPECT_EQ(damaged([](SmallImage& b) { b.put(0x3C, LONG{-8}); }), "negative PE header offset");
  EXPECT_EQ(damaged([](SmallImage& b) { b.put(0x3C, LONG{0x7FFFFFF0}); }), "no PE signature");
  EXPECT_EQ(damaged([](SmallImage& b) { b.put(b.optionalHeader, WORD{0x999}); }),
            "unknown optional header");
  // An optional header declared too short for its own fields.
  EXPECT_EQ(damaged([](SmallImage& b) { b.put(SmallImage::kNt + 4 + 16, WORD{8}); }),
            "optional header cut off");
  // The import directory's address lies in no section.
  EXPECT_EQ(damaged([](SmallImage& b) {
              b.put(b.optionalHeader + offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory) +
                        sizeof(IMAGE_DATA_DIRECTORY), DWORD{0x9000});
            }),
            "import directory outside every section");
  // Far more sections declared than the file holds.
  EXPECT_EQ(damaged([](SmallImage& b) {
              b.put(b.sectionHeader + offsetof(IMAGE_SECTION_HEADER, VirtualAddress), DWORD{0x5000});
              b.put(SmallImage::kNt + 4 + 2, WORD{0xFFFF});
            }),
            "import directory outside every section");
  // A DLL name pointing outside the section, and one without its closing NUL.
  EXPECT_EQ(damaged([](SmallImage& b) {
              b.put(b.descriptors + offsetof(IMAGE_IMPORT_DESCRIPTOR, Name), DWORD{0x7000});
            }),
            "unreadable imported DLL name");
  EXPECT_EQ(damaged([](SmallImage& b) { b.bytes.back() = 'x'; }), "unreadable imported DLL name");
  // The terminating descriptor overwritten: the table runs into the names and then off the end.
  EXPECT_FALSE(damaged([](SmallImage& b) {
                 b.put(b.descriptors + 2 * sizeof(IMAGE_IMPORT_DESCRIPTOR) +
                           offsetof(IMAGE_IMPORT_DESCRIPTOR, FirstThunk), DWORD{1});
               }).empty());
}

}  // namespace
