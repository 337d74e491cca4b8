// SPDX-License-Identifier: MIT
#include "ui/win32/file_dialogs.h"

#include <commdlg.h>
#include <cstdio>
#include <memory>

namespace selmak::win32 {
namespace {

// Pairs of a filter's name and its patterns, each ended by a NUL, the whole by a second.
constexpr wchar_t kOpenFilter[]
    = L"Списки и таблицы (*.csv, *.txt, *.tsv)\0*.csv;*.txt;*.tsv\0Все файлы (*.*)\0*.*\0";
constexpr wchar_t kSaveFilter[] = L"CSV (*.csv)\0*.csv\0";

struct Closer
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, Closer>;

std::optional<std::wstring> ask(HWND owner, std::wstring_view suggested, bool save)
{
    std::wstring path(std::max<std::size_t>(MAX_PATH, suggested.size() + 1) * 4, L'\0');
    suggested.copy(path.data(), suggested.size());
    OPENFILENAMEW dialog {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = save ? kSaveFilter : kOpenFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = save ? L"csv" : nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR
        | (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return std::nullopt;
    path.resize(path.find(L'\0'));
    return path;
}

} // namespace

FileDialogs standardFileDialogs()
{
    return {
        [](HWND owner) { return ask(owner, {}, false); },
        [](HWND owner, std::wstring_view suggested) { return ask(owner, suggested, true); },
    };
}

std::optional<std::string> readFile(const std::wstring &path)
{
    const File file(_wfopen(path.c_str(), L"rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;)
        bytes.append(chunk, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool writeFile(const std::wstring &path, std::string_view bytes)
{
    const std::wstring beside = path + L".selmak";
    bool written = false;
    {
        const File file(_wfopen(beside.c_str(), L"wb"));
        if (!file)
            return false;
        written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size()
            && std::fflush(file.get()) == 0;
    }
    if (written && MoveFileExW(beside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    _wremove(beside.c_str());
    return false;
}

} // namespace selmak::win32
