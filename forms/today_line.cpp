// SPDX-License-Identifier: MIT
#include "forms/today_line.h"

#include "core/model_finder.h"
#include "core/order_codes.h"
#include "core/today_ranges.h"
#include "forms/order_line.h"

namespace selmak::forms {
namespace {

void appendListed(std::string &list, std::string_view brand, std::string_view text)
{
    list.append(list.empty() ? "" : ", ").append(brand).append(" ").append(text);
}

void appendPart(std::string &line, std::string_view heading, const std::string &list)
{
    if (!list.empty())
        line.append(line.empty() ? "" : "; ").append(heading).append(list);
}

} // namespace

std::string todayLine(int step, const Order *order)
{
    if (step == kNoStep)
        return "у этой модели нет ступени каталога";
    std::string models;
    std::string ask;
    std::string none;
    for (const ColumnInfo &info : kColumns) {
        if (!isMaker(info.column))
            continue;
        const TodayFrame *frame = todayFrame(info.column, step);
        if (frame == nullptr) {
            none.append(none.empty() ? "" : ", ").append(info.heading);
        } else if (order == nullptr) {
            appendListed(models, frame->brand, todayModelText(*frame));
        } else if (const TodayCode code = todayCode(info.column, step, *order);
                   code.outcome == TodayCodeOutcome::Written) {
            appendListed(models, frame->brand, todayCodeText(code));
        } else {
            appendListed(ask, frame->brand, todayModelText(*frame));
        }
    }
    std::string line = models;
    appendPart(line, std::string(kAskTheMaker).append(": "), ask);
    appendPart(line, "нет данных: ", none);
    return line;
}

} // namespace selmak::forms
