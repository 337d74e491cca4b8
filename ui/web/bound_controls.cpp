// SPDX-License-Identifier: MIT
#include "ui/web/bound_controls.h"

#include "core/columns.h"
#include "forms/about_layout.h"
#include "forms/bound_names.h"
#include "forms/find_layout.h"
#include "forms/main_layout.h"
#include "ui/web/dom.h"

#include <string>
#include <vector>

namespace selmak::web {

void requireBoundControls()
{
    std::vector<std::string_view> main(kMainBound.begin(), kMainBound.end());
    for (const ColumnInfo &info : kColumns)
        main.push_back(info.resultLabel);
    std::string unknown;
    for (const std::string &found : { forms::unknownNames(forms::mainLayout(), main),
                                      forms::unknownNames(forms::aboutLayout(), kAboutBound),
                                      forms::unknownNames(forms::findLayout(), kFindBound) }) {
        if (!found.empty())
            unknown += (unknown.empty() ? "" : "; ") + found;
    }
    if (!unknown.empty())
        stop("selmak: " + unknown);
}

} // namespace selmak::web
