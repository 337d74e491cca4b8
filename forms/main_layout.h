// SPDX-License-Identifier: MIT
#pragma once

#include "core/columns.h"
#include "forms/layout.h"

namespace selmak::forms {

// The main window's controls, in the order of its table; each is named as its row, but far_:
// the Windows headers make "far" a macro.
enum class MainControl {
    ID,
    Power1_0,
    Label1,
    optPower,
    txtPower,
    Power1_5,
    Power1_7,
    Label2,
    optCurrent,
    txtCurrent,
    Power1_4,
    cmbChoose,
    Hide,
    cmbAbout,
    exit,
    Power1_2,
    lblPower,
    markCurrent,
    lblCurrent,
    back,
    far_,
    markDanfoss,
    lblDanfoss,
    markElester,
    lblElester,
    markAEG,
    lblAEG,
    markGE_AEG,
    lblGE_AEG,
    markGE,
    lblGE,
    markABB,
    lblABB,
    markTelemecanique,
    lblTelemecan,
    markLovato,
    lblLovato,
    markSiemens,
    lblSiemens,
    markMoeller,
    lblMoeller,
    markSchrack,
    lblSchrack,
    markAlien_Bradey,
    lblAlien_Brad,
    markIEK,
    lblIEK,
    markASKO,
    lblASKO,
};
template<> inline constexpr std::size_t kControlCount<MainControl> = 49;

// The label that shows a column of the catalogue.
constexpr MainControl resultLabel(Column column)
{
    using enum MainControl;
    constexpr std::array<MainControl, kColumnCount> kLabels {
        lblPower,      lblDanfoss,   lblElester, lblAEG,     lblGE_AEG,  lblGE,
        lblABB,        lblTelemecan, lblLovato,  lblSiemens, lblMoeller, lblSchrack,
        lblAlien_Brad, lblCurrent,   lblIEK,     lblASKO,
    };
    return kLabels[static_cast<std::size_t>(columnNumber(column) - 1)];
}

// The main window: the input on the left, the commands below it, the results on the right.
const WindowLayout &mainLayout();

} // namespace selmak::forms
