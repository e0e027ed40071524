#include "elliptic/duzavuri.h"
#include "forms/qt/desktop.h"

int main(int argc, char** argv) { return forms::qt::RunDesktop(argc, argv, elliptic::CreateDuzavuri); }
