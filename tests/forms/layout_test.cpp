// SPDX-License-Identifier: MIT
#include "forms/about_layout.h"
#include "forms/bound_names.h"
#include "forms/find_layout.h"
#include "forms/main_layout.h"

#include <gtest/gtest.h>
#include <vector>

namespace selmak::forms {
namespace {

struct Binding
{
    const char *name;
    const WindowLayout &layout;
    std::vector<std::string_view> names;
    const char *message;
};

class BoundNames : public testing::TestWithParam<Binding>
{
};

TEST_P(BoundNames, NameEachOneTheLayoutLacks)
{
    const Binding &b = GetParam();
    EXPECT_EQ(unknownNames(b.layout, b.names), b.message);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, BoundNames,
    testing::Values(Binding { "all_known", mainLayout(), { "txtPower", "lblMoeller", "Hide" }, "" },
                    Binding { "none_bound", aboutLayout(), {}, "" },
                    Binding { "two_unknown",
                              findLayout(),
                              { "txtModel", "txtModl", "cmdShow", "lstHit" },
                              "the layout of window frmFind has no control named txtModl, lstHit" },
                    Binding { "case_counts",
                              aboutLayout(),
                              { "cmdok" },
                              "the layout of window frmAbout has no "
                              "control named cmdok" }),
    [](const testing::TestParamInfo<Binding> &p) { return p.param.name; });

// The tab order is bound by name too, in every front-end.
TEST(Layout, TabOrderNamesOnlyControlsOfItsWindow)
{
    for (const WindowLayout *layout : { &mainLayout(), &aboutLayout(), &findLayout() }) {
        const std::vector<std::string_view> names(layout->tabOrder.begin(), layout->tabOrder.end());
        EXPECT_EQ(unknownNames(*layout, names), "");
    }
}

} // namespace
} // namespace selmak::forms
