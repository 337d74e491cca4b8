// SPDX-License-Identifier: MIT
// Writes a part of the page for the build, from the layout tables: run under node.
//   make_page windows|dialogs|styles > part
#include "ui/web/page_markup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char **argv)
{
    const std::string_view part = argc == 2 ? argv[1] : "";
    std::string text;
    if (part == "windows")
        text = selmak::web::pageWindows();
    else if (part == "dialogs")
        text = selmak::web::pageDialogs();
    else if (part == "styles")
        text = selmak::web::pageStyles();
    else {
        std::fputs("usage: make_page windows|dialogs|styles\n", stderr);
        return 2;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
