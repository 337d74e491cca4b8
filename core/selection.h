// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace selmak {

class ResultView;
class SizeSteps;
struct Rating;

// Turns a typed power or current into a size step and warns about values out of range.
class Selection
{
public:
    Selection(SizeSteps &steps, ResultView &view);

    void SelectByPower(std::string_view text);
    void SelectByCurrent(std::string_view text);

    // The last values read, in single precision; 0 until the first selection of their kind.
    float PowerValue() const { return m_powerValue; }
    float CurrentValue() const { return m_currentValue; }

private:
    void select(const Rating &rating, std::string_view text, float &stored);
    void CheckPowerRange();
    void CheckCurrentRange();
    void checkRange(const Rating &rating, float value);

    SizeSteps &m_steps;
    ResultView &m_view;
    float m_powerValue = 0.0f;
    float m_currentValue = 0.0f;
};

} // namespace selmak
