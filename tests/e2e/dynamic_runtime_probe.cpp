// A program linked against the C++ run-time DLLs instead of statically: the program-image test
// reads its imports to show that the check for non-system DLLs catches such a program. Never run.
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  std::string name = argc > 0 ? argv[0] : "";
  std::cout << name.size() << '\n';
  return 0;
}
