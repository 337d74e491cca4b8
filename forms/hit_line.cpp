// SPDX-License-Identifier: MIT
#include "forms/hit_line.h"

#include "core/catalog.h"

namespace selmak::forms {

std::string hitLine(const ModelHit &hit)
{
    const std::string_view maker = columnInfo(hit.maker).heading;
    const std::string_view power = Catalog::cell(Column::Power, hit.step).value_or("");
    const std::string_view current = Catalog::cell(Column::Current, hit.step).value_or("");
    std::string line;
    line.reserve(64);
    line.append(maker).append("  ").append(hit.model).append("  —  ступень ");
    line.append(std::to_string(hit.step)).append(": ").append(power).append(" кВт, ");
    line.append(current).append(" А");
    return line;
}

} // namespace selmak::forms
