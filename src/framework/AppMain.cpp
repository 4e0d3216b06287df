// The program's entry point: hands over to the application object.
#include "WinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    return AfxWinMain(instance, showCommand);
}
