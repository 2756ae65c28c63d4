// Program entry: the application object, its one form, its message loop.

#include <windows.h>

#include "Unit1/Unit1.h"
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    framework::TApplication application;
    application.Initialize();
    application.CreateForm(Form1);
    application.Run();
    return 0;
}
