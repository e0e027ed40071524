// The start of a program of the suite on the desktop.
#pragma once

#include "forms/program.h"

namespace forms::qt {

// Create the Qt application and the backend, build the program, show its main
// window and run the message loop until the program ends.
int RunDesktop(int argc, char** argv, const ProgramFactory& factory);

}  // namespace forms::qt
