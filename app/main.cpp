#include "app/Print.h"
#include "platform/forms/Application.h"

int main(int argc, char** argv) {
  TQtApplication application(argc, argv);
  return RunProgram();
}
