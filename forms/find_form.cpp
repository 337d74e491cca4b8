// SPDX-License-Identifier: MIT
#include "forms/find_form.h"

#include "core/answer.h"
#include "forms/find_layout.h"
#include "forms/find_view.h"
#include "forms/hit_line.h"
#include "forms/main_form.h"
#include "forms/order_line.h"
#include "forms/outcome_text.h"
#include "forms/today_line.h"

#include <array>
#include <string>

namespace selmak::forms {
namespace {

// What the status line says of a search; a count follows the first two.
constexpr std::string_view kFound = "Найдено моделей: ";
constexpr std::string_view kCandidates = "Это только начало обозначения; подходят модели: ";

std::string status(const Answer &answer, std::string_view text)
{
    switch (answer.outcome) {
    case Outcome::Candidate:
        return std::string(kCandidates) + std::to_string(answer.hits.size());
    case Outcome::NoModel:
    case Outcome::NothingToFind:
        return text.empty() ? std::string() : std::string(outcomeText(answer.outcome));
    default:
        break;
    }
    return std::string(kFound) + std::to_string(answer.hits.size());
}

} // namespace

FindForm::FindForm(FindView &view, MainForm &main) : m_view(view), m_main(main) { }

std::span<const EventRow<FindForm>> FindForm::events()
{
    using enum FindControl;
    using enum Event;
    // Esc and the close box reach "Закрыть" as its click.
    static constexpr std::array<EventRow<FindForm>, 5> kEvents { {
        { txtModel, Change, &FindForm::txtModel_Change },
        { lstHits, Click, &FindForm::lstHits_Click },
        { lstHits, DblClick, &FindForm::lstHits_DblClick },
        { cmdShow, Click, &FindForm::cmdShow_Click },
        { cmdClose, Click, &FindForm::cmdClose_Click },
    } };
    return kEvents;
}

void FindForm::Form_Load()
{
    txtModel_Change();
}

void FindForm::txtModel_Change()
{
    const std::string text = m_view.modelText();
    const Answer found = answer(text, QueryKind::Model);
    m_order = found.order;
    const bool shown = showsOrder(text, m_order);
    std::vector<std::string> lines;
    lines.reserve(found.hits.size());
    m_listed.clear();
    for (const ModelHit &hit : found.hits) {
        const bool ordered = shown && isFrameOf(hit, m_order);
        lines.push_back(hitLine(hit, ordered ? &m_order : nullptr));
        m_listed.push_back({ hit.step, ordered });
    }
    m_view.setHits(lines);
    if (!lines.empty())
        m_view.selectHit(0);
    m_view.setStatus(status(found, text));
    lstHits_Click();
}

void FindForm::lstHits_Click()
{
    const Listed *hit = SelectedHit();
    m_view.setToday(hit == nullptr ? std::string()
                                   : todayLine(hit->step, hit->ordered ? &m_order : nullptr));
}

void FindForm::cmdShow_Click()
{
    ShowSelectedHit();
}

void FindForm::lstHits_DblClick()
{
    ShowSelectedHit();
}

void FindForm::cmdClose_Click()
{
    m_view.closeWindow();
}

const FindForm::Listed *FindForm::SelectedHit() const
{
    const int selected = m_view.selectedHit();
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_listed.size())
        return nullptr;
    return &m_listed[static_cast<std::size_t>(selected)];
}

// With nothing selected (an empty list), or a frame with no step, there is nothing to show, and
// nothing is said: its line and the line of today's models already say it has no step.
void FindForm::ShowSelectedHit()
{
    const Listed *hit = SelectedHit();
    if (hit != nullptr && hit->step != kNoStep)
        m_main.ShowStep(hit->step);
}

} // namespace selmak::forms
