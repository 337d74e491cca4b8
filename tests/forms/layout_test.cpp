// SPDX-License-Identifier: MIT
#include "forms/about_form.h"
#include "forms/about_layout.h"
#include "forms/find_form.h"
#include "forms/find_layout.h"
#include "forms/list_form.h"
#include "forms/list_layout.h"
#include "forms/main_form.h"
#include "forms/main_layout.h"
#include "recording_main_view.h"

#include <gtest/gtest.h>
#include <set>
#include <string_view>
#include <vector>

namespace selmak::forms {
namespace {

// Each window's table of events beside its layout, as the front-ends bind them.
struct Window
{
    const char *name;
    const WindowLayout &layout;
    std::vector<std::pair<ControlId, Event>> events;
    std::optional<ControlId> enter; // the default button
    std::optional<ControlId> esc; // the cancel button
};

template<typename Form> std::vector<std::pair<ControlId, Event>> eventsOf()
{
    std::vector<std::pair<ControlId, Event>> all;
    for (const EventRow<Form> &row : Form::events())
        all.emplace_back(row.control, row.event);
    return all;
}

class Windows : public testing::TestWithParam<Window>
{
};

// A front-end maps each kind's own signals onto the events; one its kind never raises would be
// bound to nothing.
TEST_P(Windows, BindOnlyEventsTheirControlsRaise)
{
    const Window &w = GetParam();
    EXPECT_FALSE(w.events.empty());
    for (const auto &[control, event] : w.events) {
        const ControlRow &row = rowOf(w.layout, control);
        EXPECT_TRUE(raises(row.kind, event)) << row.name << " event " << static_cast<int>(event);
    }
}

// The toolkits find a control by its row's name: the page's style sheet, the tests and the
// outside probe.
TEST_P(Windows, NameEachControlOnce)
{
    std::set<std::string_view> names;
    for (const ControlRow &row : GetParam().layout.controls)
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
}

// Only controls that can take the focus are in the tab order, each once.
TEST_P(Windows, TabOnlyBetweenControlsThatTakeTheFocus)
{
    const WindowLayout &layout = GetParam().layout;
    std::set<std::size_t> seen;
    for (const ControlId id : layout.tabOrder) {
        const ControlKind kind = rowOf(layout, id).kind;
        EXPECT_TRUE(kind != ControlKind::Label && kind != ControlKind::HotSpot)
            << rowOf(layout, id).name;
        EXPECT_TRUE(seen.insert(id.index).second) << rowOf(layout, id).name;
    }
}

TEST_P(Windows, PressTheTablesButtonsByEnterAndEsc)
{
    const Window &w = GetParam();
    EXPECT_EQ(defaultButton(w.layout), w.enter);
    EXPECT_EQ(cancelButton(w.layout), w.esc);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Windows,
    testing::Values(Window { "main", mainLayout(), eventsOf<MainForm>(), {}, {} },
                    Window { "about", aboutLayout(), eventsOf<AboutForm>(), AboutControl::cmdOK,
                             AboutControl::cmdOK },
                    Window { "find", findLayout(), eventsOf<FindForm>(), FindControl::cmdShow,
                             FindControl::cmdClose },
                    Window {
                        "list", listLayout(), eventsOf<ListForm>(), {}, ListControl::cmdClose }),
    [](const testing::TestParamInfo<Window> &p) { return p.param.name; });

// An event runs the handler its row names, and one that no row names runs nothing.
TEST(Events, DispatchRunsTheHandlerOfTheControlsEvent)
{
    test::RecordingMainView view;
    MainForm form(view);
    dispatch(form, MainForm::events(), MainControl::Hide, Event::Click);
    dispatch(form, MainForm::events(), MainControl::Hide, Event::DblClick);
    dispatch(form, MainForm::events(), MainControl::lblPower, Event::Click);
    dispatch(form, MainForm::events(), MainControl::txtCurrent, Event::Change);
    EXPECT_EQ(view.log, (std::vector<std::string> { "step buttons", "enable choose" }));
}

} // namespace
} // namespace selmak::forms
