// Trelvik.exe: the program's main block.
#include <windows.h>

#include "controller/app/program_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return trelvik::RunProgram(); }
