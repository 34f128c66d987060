#pragma once

#include <string>

// The folder of the program file, with its trailing separator, whatever the working directory
// and however the program was started (a relative path, a symbolic link).
std::string ProgramFolder();
// Makes sure the alias QorExample exists: an alias of that name from any scope is used as it is;
// otherwise it is added for this session only, on the program's folder with the driver PARADOX.
void EnsureExampleAlias();
// The program: start-up, the message loop, and the end. Needs the Qt application object.
// Answers the exit status.
int RunProgram();
