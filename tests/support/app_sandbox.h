// A private data folder for one test: HKEY_CURRENT_USER is redirected to a scratch key whose
// "Local AppData" shell folder names a scratch folder, so the program's data folder, settings file
// and language files of the test live there and vanish afterwards.
#pragma once
#include <string>

#include "base/data_folder.h"
#include "support/registry_override.h"
#include "support/scratch.h"

namespace scrubwell::test {

class AppSandbox {
 public:
  AppSandbox() : local_('D', "local") {
    setRegString(HKEY_CURRENT_USER,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 "Local AppData", local_.path().substr(0, local_.path().size() - 1));
    makeFolders(data());
  }
  bool ok() const { return user_.ok(); }
  const std::string& local() const { return local_.path(); }
  std::string data() const { return local_.path() + "Korvantis\\Scrubwell\\"; }

 private:
  RegistryOverride user_{HKEY_CURRENT_USER};
  ScratchFolder local_;
};

}  // namespace scrubwell::test
