// SPDX-License-Identifier: MIT
// The web edition: the page's script starts here once the wasm has loaded.
#include "ui/web/page.h"

int main()
{
    // The page lives as long as its tab: the runtime stays up after main returns, and so must it.
    static selmak::web::Page page;
    return 0;
}
