// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace selmak::cli {

// Russian where the user's locale of messages (LC_ALL, LC_MESSAGES, LANG, the first one set) is
// Russian; on Windows, where the user's UI language is.
Language userLanguage();

// Standard output or error as the program writes it: the same bytes on every system to a file
// or a pipe (on Windows in binary mode, so that CRLF stays CRLF), and on a Windows console UTF-16
// through WriteConsoleW, so that Cyrillic shows whatever the console's code page. Written through
// stdio's buffer; a whole record at a time.
class Stream
{
public:
    explicit Stream(std::FILE *file);

    void write(std::string_view utf8);
    // Flushes; false when anything could not be written.
    bool finish();

private:
    std::FILE *m_file;
    void *m_console = nullptr; // the console's handle, where it is one
    bool m_failed = false;
};

// Opens a file to read its bytes, its name given in UTF-8 (on Windows, through _wfopen).
std::FILE *openBytes(const std::string &name);
// Standard input as bytes (on Windows, in binary mode).
std::FILE *standardInputBytes();

#ifdef _WIN32
// The command line as wmain receives it, in UTF-8.
std::vector<std::string> utf8Arguments(int argc, wchar_t **argv);
#endif

} // namespace selmak::cli
