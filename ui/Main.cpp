// The program's entry. Tarnwick takes no command-line arguments.
#include "ui/Program.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    tarnwick::RunProgram();
}
