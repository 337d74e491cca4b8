// SPDX-License-Identifier: MIT
#include "forms/order_line.h"

#include "core/model_key.h"
#include "forms/outcome_text.h"

namespace selmak::forms {
namespace {

// Volts as the maker writes them, in Russian print: "100–250", "12,5".
std::string volts(std::string_view text)
{
    std::string spelt;
    for (const char c : text) {
        if (c == '-')
            spelt.append("–");
        else
            spelt.push_back(c == '.' ? ',' : c);
    }
    return spelt;
}

std::string_view hertz(Frequency hz)
{
    switch (hz) {
    case Frequency::Hz50:
        return "50 Гц";
    case Frequency::Hz60:
        return "60 Гц";
    case Frequency::Hz50And60:
        return "50/60 Гц";
    case Frequency::None:
        break;
    }
    return {};
}

} // namespace

std::string coilText(const std::optional<Coil> &coil)
{
    if (!coil)
        return "катушка не определена";
    std::string text("катушка ");
    if (coil->dual) {
        const std::size_t slash = coil->volts.find('/');
        return text.append("~")
            .append(volts(coil->volts.substr(0, slash)))
            .append(" В 50 Гц / ")
            .append(volts(coil->volts.substr(slash + 1)))
            .append(" В 60 Гц");
    }
    text.append(coil->kind == CoilKind::Ac ? "~" : coil->kind == CoilKind::Dc ? "=" : "~/=");
    text.append(volts(coil->volts)).append(" В");
    // A wide-range AC/DC coil serves 50 and 60 Hz alike: only a narrower one is worth saying.
    const bool hz = coil->kind == CoilKind::Ac
        || (coil->kind == CoilKind::AcDc && coil->hz != Frequency::Hz50And60
            && coil->hz != Frequency::None);
    if (hz)
        text.append(" ").append(hertz(coil->hz));
    return text;
}

std::string contactsText(Contacts contacts)
{
    if (contacts.no == 0 && contacts.nc == 0)
        return "без блок-контактов";
    std::string text;
    if (contacts.no > 0)
        text.append(std::to_string(contacts.no)).append("НО");
    if (contacts.nc > 0)
        text.append(text.empty() ? "" : "+").append(std::to_string(contacts.nc)).append("НЗ");
    return text;
}

std::string orderLine(const Order &order)
{
    std::string line = coilText(order.coil);
    if (order.aux)
        line.append(", ").append(contactsText(*order.aux));
    return line;
}

namespace {

void appendMarks(std::string &text, const TodayFrame &frame)
{
    if (!isRated(frame))
        text.append(" (").append(outcomeText(Outcome::RatingNotConfirmed)).append(")");
    if (frame.kind == FrameKind::Discontinued)
        text.append(" (снят с производства)");
}

} // namespace

std::string todayModelText(const TodayFrame &frame)
{
    std::string text(frame.model);
    appendMarks(text, frame);
    return text;
}

std::string todayCodeText(const TodayCode &code)
{
    if (code.frame == nullptr)
        return "---";
    if (code.outcome != TodayCodeOutcome::Written)
        return todayModelText(*code.frame).append(": ").append(kAskTheMaker);
    std::string text = code.code;
    appendMarks(text, *code.frame);
    if (code.missing.no > 0 || code.missing.nc > 0)
        text.append(" + блок-контакт ").append(contactsText(code.missing));
    return text;
}

bool showsOrder(std::string_view code, const Order &order)
{
    return order.frame != nullptr && !sameKey(code, order.frame->model, LeadingZeros::Kept);
}

} // namespace selmak::forms
