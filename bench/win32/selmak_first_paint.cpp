// SPDX-License-Identifier: MIT
// Starts exactly as selmak.exe does and ends after the main window's first paint.
#include "first_paint.h"
#include "ui/win32/application.h"

int main(int argc, char *argv[])
{
    selmak::win32::Application application;
    application.start(SW_SHOWNORMAL);
    return quitAfterFirstPaint(argc, argv);
}
