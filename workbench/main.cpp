#include "forms/qt/desktop.h"
#include "workbench/vessaw.h"

int main(int argc, char** argv) { return forms::qt::RunDesktop(argc, argv, workbench::CreateVessaw); }
