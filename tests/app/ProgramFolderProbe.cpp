// Prints the program folder as the demo program sees it, for the start-up tests.
#include <QCoreApplication>
#include <cstdio>

#include "app/Print.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  std::printf("%s\n", ProgramFolder().c_str());
  return 0;
}
