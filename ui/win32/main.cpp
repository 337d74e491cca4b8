// SPDX-License-Identifier: MIT
#include "ui/win32/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    selmak::win32::Application application;
    application.start(show);
    return application.run();
}
