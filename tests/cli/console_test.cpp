// SPDX-License-Identifier: MIT
// selmak-find.exe writing to a console, as a person runs it in cmd.exe: the text must read as it
// was meant whatever the console's code page, so it is read back from the console's own screen.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::wstring besideThisProgram(const wchar_t *relative)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + relative;
}

// Runs selmak-find.exe with the console as its standard output and gives back what the screen
// shows.
std::wstring shownOnTheConsole(const std::wstring &arguments)
{
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    HANDLE screen
        = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inherit, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(screen, INVALID_HANDLE_VALUE);
    const COORD origin { 0, 0 };
    CONSOLE_SCREEN_BUFFER_INFO info {};
    GetConsoleScreenBufferInfo(screen, &info);
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    DWORD done = 0;
    FillConsoleOutputCharacterW(screen, L' ', cells, origin, &done);
    SetConsoleCursorPosition(screen, origin);

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process {};
    std::wstring command
        = L"\"" + besideThisProgram(L"..\\..\\cli\\selmak-find.exe") + L"\" " + arguments;
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    EXPECT_TRUE(started) << GetLastError();
    if (started) {
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::wstring shown(cells, L' ');
    ReadConsoleOutputCharacterW(screen, shown.data(), cells, origin, &done);
    shown.resize(done);
    CloseHandle(screen);
    return shown;
}

struct ConsoleTest : testing::Test
{
    // A console of its own: under a test runner the program has none, or one it cannot read.
    static void SetUpTestSuite()
    {
        FreeConsole();
        AllocConsole();
    }
};

TEST_F(ConsoleTest, ShowsCyrillicAsWritten)
{
    const std::wstring shown
        = shownOnTheConsole(L"--model \x41A\x41C\x418-11811 --to \x418\x42D\x41A");
    // "ступень 1" and "сегодня": the window's words, readable on any code page.
    EXPECT_NE(shown.find(L"\x441\x442\x443\x43F\x435\x43D\x44C 1"), std::wstring::npos) << shown;
    EXPECT_NE(shown.find(L"\x441\x435\x433\x43E\x434\x43D\x44F ---"), std::wstring::npos);
}

} // namespace
