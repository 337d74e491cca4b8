// SPDX-License-Identifier: MIT
#pragma once

#include "core/catalog.h"
#include "forms/main_view.h"

#include <array>
#include <string>
#include <vector>

namespace selmak::test {

// Keeps what the form shows, as a window would, and logs what it asks for in order.
class RecordingMainView : public forms::MainView
{
public:
    std::string boxText(forms::Box box) const override { return texts[index(box)]; }
    bool isBoxEnabled(forms::Box box) const override { return enabled[index(box)]; }
    void setBoxEnabled(forms::Box box, bool on) override
    {
        enabled[index(box)] = on;
        log.push_back(std::string(on ? "enable " : "disable ") + name(box));
    }
    bool isPowerOptionSelected() const override { return powerOption; }
    void enableChoose() override { log.emplace_back("enable choose"); }
    void setResult(Column column, std::string_view text) override
    {
        results.at(static_cast<std::size_t>(columnNumber(column) - 1)) = std::string(text);
        if (column == Column::Asko)
            log.emplace_back("labels");
    }
    void showWarning(std::string_view text) override
    {
        warnings.emplace_back(text);
        log.emplace_back("warning");
    }
    void showStepButtons() override { log.emplace_back("step buttons"); }
    void showAbout() override { log.emplace_back("about"); }
    void exitProgram() override { log.emplace_back("exit"); }

    std::string result(Column column) const
    {
        return results.at(static_cast<std::size_t>(columnNumber(column) - 1));
    }

    // Whether the labels hold exactly catalogue row `row`.
    bool showsRow(int row) const
    {
        for (const ColumnInfo &info : kColumns) {
            if (result(info.column) != Catalog::cell(info.column, row))
                return false;
        }
        return true;
    }

    std::array<std::string, 2> texts;
    std::array<bool, 2> enabled { true, true };
    bool powerOption = true;
    std::array<std::string, kColumnCount> results;
    std::vector<std::string> warnings;
    std::vector<std::string> log;

private:
    static std::size_t index(forms::Box box) { return box == forms::Box::Power ? 0 : 1; }
    static const char *name(forms::Box box)
    {
        return box == forms::Box::Power ? "power" : "current";
    }
};

} // namespace selmak::test
