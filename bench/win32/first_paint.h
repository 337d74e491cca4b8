// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstring>
#include <windows.h>
// After windows.h, which it builds on.
#include <psapi.h>

// Runs the messages that showing a window queues, its paints and its controls' paints included,
// until none is left: then the window has painted once and the program can end. With --memory,
// prints the peak working set first.
inline int quitAfterFirstPaint(int argc, char *argv[])
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
        PROCESS_MEMORY_COUNTERS counters {};
        counters.cb = sizeof counters;
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        std::printf("peak working set %zu KiB\n", counters.PeakWorkingSetSize / 1024);
    }
    return 0;
}
