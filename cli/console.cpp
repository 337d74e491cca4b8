// SPDX-License-Identifier: MIT
#include "cli/console.h"

#include <algorithm>
#include <cstdlib>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace selmak::cli {

#ifdef _WIN32

namespace {

std::wstring wide(std::string_view utf8)
{
    std::wstring text(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

} // namespace

Language userLanguage()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_RUSSIAN ? Language::Russian
                                                                     : Language::English;
}

Stream::Stream(std::FILE *file) : m_file(file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0) {
        m_console = handle;
        return;
    }
    _setmode(_fileno(file), _O_BINARY);
    if (file == stdout)
        std::setvbuf(file, nullptr, _IOFBF, std::size_t { 1 } << 16);
}

void Stream::write(std::string_view utf8)
{
    if (m_console == nullptr) {
        m_failed = m_failed || std::fwrite(utf8.data(), 1, utf8.size(), m_file) != utf8.size();
        return;
    }
    const std::wstring text = wide(utf8);
    DWORD written = 0;
    m_failed = m_failed
        || WriteConsoleW(m_console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)
            == 0;
}

std::FILE *openBytes(const std::string &name)
{
    return _wfopen(wide(name).c_str(), L"rb");
}

std::FILE *standardInputBytes()
{
    _setmode(_fileno(stdin), _O_BINARY);
    return stdin;
}

std::vector<std::string> utf8Arguments(int argc, wchar_t **argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const int wideLength = static_cast<int>(wcslen(argv[i]));
        std::string text(static_cast<std::size_t>(wideLength) * 3, '\0');
        const int length = WideCharToMultiByte(CP_UTF8, 0, argv[i], wideLength, text.data(),
                                               static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(static_cast<std::size_t>(std::max(length, 0)));
        args.push_back(std::move(text));
    }
    return args;
}

#else

Language userLanguage()
{
    // As POSIX orders the variables: the first one that is set and not empty.
    for (const char *name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char *value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return std::string_view(value).starts_with("ru") ? Language::Russian
                                                             : Language::English;
    }
    return Language::English;
}

Stream::Stream(std::FILE *file) : m_file(file)
{
    // Big blocks to a file or a pipe; a person watching a terminal sees each line as it comes.
    if (file == stdout && isatty(fileno(file)) == 0)
        std::setvbuf(file, nullptr, _IOFBF, std::size_t { 1 } << 16);
}

void Stream::write(std::string_view utf8)
{
    m_failed = m_failed || std::fwrite(utf8.data(), 1, utf8.size(), m_file) != utf8.size();
}

std::FILE *openBytes(const std::string &name)
{
    return std::fopen(name.c_str(), "rb");
}

std::FILE *standardInputBytes()
{
    return stdin;
}

#endif

bool Stream::finish()
{
    if (m_console == nullptr && std::fflush(m_file) != 0)
        m_failed = true;
    return !m_failed;
}

} // namespace selmak::cli
