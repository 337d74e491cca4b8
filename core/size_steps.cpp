// SPDX-License-Identifier: MIT
#include "core/size_steps.h"

#include "core/catalog.h"
#include "core/result_view.h"

#include <algorithm>

namespace selmak {

SizeSteps::SizeSteps(ResultView &view) : m_view(view) { }

void SizeSteps::ShowRow()
{
    m_rowIndex = std::clamp(m_rowIndex, Catalog::kFirstStep, Catalog::kLastStep);
    FillResultLabels();
}

void SizeSteps::select(int row)
{
    m_rowIndex = row;
    FillResultLabels();
}

void SizeSteps::stepDown()
{
    --m_rowIndex;
    ShowRow();
}

void SizeSteps::stepUp()
{
    ++m_rowIndex;
    ShowRow();
}

void SizeSteps::FillResultLabels()
{
    // A row outside the catalogue is refused before any slot changes.
    if (!Catalog::cell(Column::Power, m_rowIndex))
        return;
    for (const ColumnInfo &info : kColumns)
        m_view.setResult(info.column, *Catalog::cell(info.column, m_rowIndex));
}

} // namespace selmak
