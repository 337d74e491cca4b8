// SPDX-License-Identifier: MIT
#include "ui/web/fonts.h"

#include <array>
#include <string_view>

namespace selmak::web {
namespace {

struct StandIn
{
    std::string_view face;
    std::string_view fallbacks;
};

// Liberation and its Croscore twins (Arimo, Tinos) share the Windows faces' metrics; MS Sans Serif
// and Tahoma have no metric twin, and the Qt edition takes Liberation Sans for them too.
constexpr std::array kStandIns {
    StandIn { "Arial", "\"Liberation Sans\", Arimo, Helvetica, sans-serif" },
    StandIn { "MS Sans Serif", "\"Liberation Sans\", Arimo, Arial, sans-serif" },
    StandIn { "Tahoma", "\"Liberation Sans\", Arimo, Verdana, sans-serif" },
    StandIn { "Times New Roman", "\"Liberation Serif\", Tinos, Times, serif" },
};

} // namespace

std::string fontFamily(const char *face)
{
    std::string family = "\"" + std::string(face) + "\", ";
    for (const StandIn &standIn : kStandIns) {
        if (standIn.face == face)
            return family.append(standIn.fallbacks);
    }
    return family.append("sans-serif");
}

} // namespace selmak::web
