// SPDX-License-Identifier: MIT
// What a screen reader learns of the main window's controls through Active Accessibility: the
// options and boxes by what they are for, not by their captions, and each in the role the
// system's own object gives it.
#include "running_app.h"
#include "ui/win32/text.h"

#include <gtest/gtest.h>
#include <oleacc.h>

namespace selmak::win32::test {
namespace {

struct Announced
{
    const char *control;
    const char *name;
};

VARIANT self()
{
    VARIANT id {};
    id.vt = VT_I4;
    id.lVal = CHILDID_SELF;
    return id;
}

long roleOf(IAccessible *object)
{
    VARIANT role {};
    return SUCCEEDED(object->get_accRole(self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

TEST(Accessibility, AnnouncesEachControlByWhatItIsFor)
{
    const Announced rows[] = {
        { "optPower", "Номинальная мощность" },
        { "optCurrent", "Номинальная сила тока" },
        { "txtPower", "Номинальная мощность, кВт" },
        { "txtCurrent", "Номинальная сила тока, А" },
        { "back", "На ступень меньше" },
        { "far", "На ступень больше" },
        { "cmbChoose", "Подобрать" }, // a caption that says it already
    };
    RunningApp a;
    for (const Announced &row : rows) {
        IAccessible *object = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(a.control(row.control), OBJID_CLIENT,
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void **>(&object)),
                  S_OK)
            << row.control;
        BSTR name = nullptr;
        EXPECT_EQ(object->get_accName(self(), &name), S_OK) << row.control;
        EXPECT_EQ(narrow(name ? name : L""), row.name) << row.control;
        SysFreeString(name);
        IAccessible *standard = nullptr;
        ASSERT_EQ(CreateStdAccessibleObject(a.control(row.control), OBJID_CLIENT,
                                            __uuidof(IAccessible),
                                            reinterpret_cast<void **>(&standard)),
                  S_OK);
        EXPECT_GT(roleOf(object), 0) << row.control;
        EXPECT_EQ(roleOf(object), roleOf(standard)) << row.control;
        standard->Release();
        object->Release();
    }
    // The captions stay as laid out.
    EXPECT_EQ(a.text("optPower"), "Option1");
}

} // namespace
} // namespace selmak::win32::test
