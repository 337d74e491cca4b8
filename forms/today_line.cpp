// SPDX-License-Identifier: MIT
#include "forms/today_line.h"

#include "core/model_finder.h"
#include "core/today_ranges.h"

namespace selmak::forms {

std::string todayLine(int step)
{
    if (step == kNoStep)
        return "у этой модели нет ступени каталога";
    std::string models;
    std::string none;
    for (const ColumnInfo &info : kColumns) {
        if (!isMaker(info.column))
            continue;
        if (const TodayFrame *frame = todayFrame(info.column, step)) {
            models.append(models.empty() ? "" : ", ").append(frame->brand).append(" ");
            models.append(frame->model);
            if (!isRated(*frame))
                models.append(" (номинал не подтверждён)");
            if (frame->kind == FrameKind::Discontinued)
                models.append(" (снят с производства)");
        } else {
            none.append(none.empty() ? "" : ", ").append(info.heading);
        }
    }
    if (!none.empty())
        models.append(models.empty() ? "" : "; ").append("нет данных: ").append(none);
    return models;
}

} // namespace selmak::forms
