// SPDX-License-Identifier: MIT
#pragma once

namespace selmak {

class ResultView;

// The size step on show, and its display: the view's sixteen slots always hold the catalogue row
// of the current step once the first row is shown.
class SizeSteps
{
public:
    explicit SizeSteps(ResultView &view);

    // 0 until the first ShowRow(), then 1..19.
    int RowIndex() const { return m_rowIndex; }

    // Brings the step into 1..19 and shows it.
    void ShowRow();
    // Shows the row of a matching class as it is, without the clamp.
    void select(int row);
    void stepDown();
    void stepUp();

private:
    void FillResultLabels();

    ResultView &m_view;
    int m_rowIndex = 0;
};

} // namespace selmak
