// SPDX-License-Identifier: MIT
#include "forms/hit_line.h"

#include "core/catalog.h"
#include "forms/order_line.h"
#include "forms/outcome_text.h"

namespace selmak::forms {
namespace {

void appendStep(std::string &line, int step, std::string_view power, std::string_view current)
{
    line.append("  —  ступень ").append(std::to_string(step)).append(": ");
    line.append(power).append(" кВт, ").append(current).append(" А");
}

std::string catalogueLine(const ModelHit &hit)
{
    std::string line(columnInfo(hit.maker).heading);
    line.append("  ").append(hit.model);
    appendStep(line, hit.step, Catalog::cell(Column::Power, hit.step).value_or(""),
               Catalog::cell(Column::Current, hit.step).value_or(""));
    return line;
}

// The frame's own rating, as its maker publishes it: the step only says where it stands.
std::string frameLine(const ModelHit &hit, const TodayFrame &frame)
{
    std::string line(frame.brand);
    line.append("  ").append(hit.model).append(" (").append(frame.range);
    line.append(frame.kind == FrameKind::Today              ? ", сегодня)"
                    : frame.kind == FrameKind::Discontinued ? ", снят с производства)"
                                                            : ", серия каталога)");
    const Outcome outcome = outcomeOf(hit, Outcome::Found);
    if (outcome == Outcome::RatingNotConfirmed)
        line.append("  —  ").append(outcomeText(outcome));
    else if (outcome == Outcome::NoPublishedPower)
        line.append("  —  ").append(frame.currentText).append(" А, ").append(outcomeText(outcome));
    else if (outcome == Outcome::BelowSmallestStep)
        line.append("  —  ")
            .append(frame.powerText)
            .append(" кВт, ")
            .append(frame.currentText)
            .append(" А: ")
            .append(outcomeText(outcome));
    else
        appendStep(line, hit.step, frame.powerText, frame.currentText);
    return line;
}

} // namespace

std::string hitLine(const ModelHit &hit, const Order *order)
{
    std::string line = hit.frame == nullptr ? catalogueLine(hit) : frameLine(hit, *hit.frame);
    if (order != nullptr)
        line.append("; ").append(orderLine(*order));
    return line;
}

} // namespace selmak::forms
