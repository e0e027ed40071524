#include "forms/qt/desktop.h"
#include "ladder/tramow.h"

int main(int argc, char** argv) { return forms::qt::RunDesktop(argc, argv, ladder::CreateTramow); }
