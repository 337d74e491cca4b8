// SPDX-License-Identifier: MIT
#include "core/selection.h"

#include "core/lenient_reader.h"
#include "core/rating.h"
#include "core/result_view.h"
#include "core/size_steps.h"

namespace selmak {

Selection::Selection(SizeSteps &steps, ResultView &view) : m_steps(steps), m_view(view) { }

void Selection::SelectByPower(std::string_view text)
{
    select(kPowerRating, text, m_powerValue);
    CheckPowerRange();
}

void Selection::SelectByCurrent(std::string_view text)
{
    select(kCurrentRating, text, m_currentValue);
    CheckCurrentRange();
}

void Selection::CheckPowerRange()
{
    checkRange(kPowerRating, m_powerValue);
}

void Selection::CheckCurrentRange()
{
    checkRange(kCurrentRating, m_currentValue);
}

void Selection::select(const Rating &rating, std::string_view text, float &stored)
{
    stored = toSingle(readLenient(text));
    // Without a class the step on show stays, and its row is shown again.
    m_steps.select(classify(rating, stored).value_or(m_steps.RowIndex()));
}

// Runs after the labels are up to date. Both tests run; no value fails both.
void Selection::checkRange(const Rating &rating, float value)
{
    if (value < rating.minimum)
        m_view.showWarning(rating.warning);
    if (value > rating.maximum)
        m_view.showWarning(rating.warning);
}

} // namespace selmak
